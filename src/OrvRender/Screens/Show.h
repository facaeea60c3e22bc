/* Every element of the cluster picture, one header per screen family. The page composition
 * (Render.cpp) includes this; an element module includes its own family header.
 *
 * Every element draws at depth -150, where a pixel rectangle maps onto the screen, and runs on the
 * render thread only. */
#ifndef SHOW_H
#define SHOW_H

#include "OrvRender/Screens/ShowBasic.h"
#include "OrvRender/Screens/ShowCharging.h"
#include "OrvRender/Screens/ShowDriveState.h"
#include "OrvRender/Screens/ShowDrivingOverlays.h"
#include "OrvRender/Screens/ShowDrivingScene.h"
#include "OrvRender/Screens/ShowHintAlarm.h"
#include "OrvRender/Screens/ShowInfoModules.h"
#include "OrvRender/Screens/ShowMenus.h"
#include "OrvRender/Screens/ShowModuleList.h"
#include "OrvRender/Screens/ShowParking.h"
#include "OrvRender/Screens/ShowPhone.h"
#include "OrvRender/Screens/ShowTelltales.h"
#include "OrvRender/Screens/ShowUpgrade.h"
#include "OrvRender/Screens/ShowVehicleModules.h"
#include "OrvRender/Screens/ShowVoiceFace.h"

#endif
