/* Built-in configuration of the cluster: the numbers of the main-board frames and the distance
 * thresholds of the parking radar. */
#ifndef ORV_CFG_H
#define ORV_CFG_H

/* Source frames, main board to cluster. */
enum {
    ID_FRAME_R_0x00 = 0,
    ID_FRAME_R_0x01,
    ID_FRAME_R_0x02,
    ID_FRAME_R_0x03,
    ID_FRAME_R_0x04,
    ID_FRAME_R_0x05,
    ID_FRAME_R_0x06,
    ID_FRAME_R_0x07,
    ID_FRAME_R_0x08,
    ID_FRAME_R_0x09,
    ID_FRAME_R_0x0A,
    ID_FRAME_R_0x0B,
    ID_FRAME_R_0x0C,
    ID_FRAME_R_0x0D,
    ID_FRAME_R_0x0E,
    ID_FRAME_R_NUM,
};

/* Answer frames, cluster to main board. */
enum {
    ID_FRAME_W_0x00 = 0,
    ID_FRAME_W_0x01 = 1,
    ID_FRAME_W_0x02 = 2,
    ID_FRAME_W_NUM  = 3,
};

/* Data bytes of every frame (a frame on the bus adds one checksum byte). */
#define FRAME_DATA_SIZE 8

/* Parking radar thresholds: sensors F0..F5 at the front and B0..B5 at the rear, left to right. */
enum {
    MAX_RADAR_DISTANCE_F0 = 141,
    MAX_RADAR_DISTANCE_F1 = 141,
    MAX_RADAR_DISTANCE_F2 = 141,
    MAX_RADAR_DISTANCE_F3 = 141,
    MAX_RADAR_DISTANCE_F4 = 141,
    MAX_RADAR_DISTANCE_F5 = 141,
    MAX_RADAR_DISTANCE_B0 = 141,
    MAX_RADAR_DISTANCE_B1 = 141,
    MAX_RADAR_DISTANCE_B2 = 141,
    MAX_RADAR_DISTANCE_B3 = 141,
    MAX_RADAR_DISTANCE_B4 = 141,
    MAX_RADAR_DISTANCE_B5 = 141,
    MAX_RADAR_DISTANCE_Fm = 140,
    MAX_RADAR_DISTANCE_Bm = 140,
    MAX_RADAR_DISTANCE_FM = 168,
    MAX_RADAR_DISTANCE_BM = 168,
    RED_RADAR_DISTANCE_F0 = 40,
    RED_RADAR_DISTANCE_F1 = 40,
    RED_RADAR_DISTANCE_F2 = 40,
    RED_RADAR_DISTANCE_F3 = 40,
    RED_RADAR_DISTANCE_F4 = 40,
    RED_RADAR_DISTANCE_F5 = 40,
    RED_RADAR_DISTANCE_B0 = 40,
    RED_RADAR_DISTANCE_B1 = 40,
    RED_RADAR_DISTANCE_B2 = 40,
    RED_RADAR_DISTANCE_B3 = 40,
    RED_RADAR_DISTANCE_B4 = 40,
    RED_RADAR_DISTANCE_B5 = 40,
    YELLOW_RADAR_DISTANCE_F0 = 80,
    YELLOW_RADAR_DISTANCE_F1 = 80,
    YELLOW_RADAR_DISTANCE_F2 = 80,
    YELLOW_RADAR_DISTANCE_F3 = 80,
    YELLOW_RADAR_DISTANCE_F4 = 80,
    YELLOW_RADAR_DISTANCE_F5 = 80,
    YELLOW_RADAR_DISTANCE_B0 = 80,
    YELLOW_RADAR_DISTANCE_B1 = 80,
    YELLOW_RADAR_DISTANCE_B2 = 80,
    YELLOW_RADAR_DISTANCE_B3 = 80,
    YELLOW_RADAR_DISTANCE_B4 = 80,
    YELLOW_RADAR_DISTANCE_B5 = 80,
};

#endif
