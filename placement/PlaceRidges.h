// Purpose: ridge objects on the ridge, hip and single-slope top edges of the roof planes.
#pragma once

#include <cstdint>

// Places a ridge object on edge `edgeIndex` of plane `planeIndex` when that edge is a ridge (31),
// a hip (41) or a top edge with ridge tiles (12) and no twin edge got one yet; the new object's
// identifier is stored on this edge and on its twins. `ridgeLevel` is the plane's ridgeLevel.
void Ridge(uint32_t planeIndex, uint32_t edgeIndex, double ridgeLevel);

// Plan direction of an edge running (dx, dy) from its lower end, radians.
double RidgePlanDirection(double dx, double dy);

// The ridge object's rise angle: measured against dx (not the plan length), radians.
double RidgeRiseAngle(double dx, double dz);

// How end `end` (0: lower end A, 1: upper end B) of ridge-type edge `edgeIndex` of plane
// `planeIndex` meets the roof: 0 joins other ridge-type edges, 1 free ridge end (gable),
// 2 free lower end of a hip or top edge, 3 regular hipped end of a ridge.
int32_t RidgeEndCode(uint32_t planeIndex, uint32_t edgeIndex, int32_t end);
