/* Procedural low-poly vehicle models written in the cluster's .vbo format: flat-shaded triangles
 * with normals and texture coordinates into the 256 x 256 model texture atlas. Units: x across
 * (1.68 per metre, as the road scene scales lateral offsets), y ahead in metres, z up in metres;
 * the model stands on z = 0 centred on the origin and faces +y. */
#ifndef RESGEN_MODELS_H
#define RESGEN_MODELS_H

#include <string>

/* Writes truck_1.vbo, car_1.vbo and bicycle_1.vbo into dir; returns the number written. */
int Models_Write(const std::string& dir);

#endif
