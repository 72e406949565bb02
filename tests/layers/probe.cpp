// probe.cpp - one include, compiled as if it were part of a layer: the layers
// test builds it once for each pair of layers (tests/layers.cmake).
#include PROBE_HEADER
