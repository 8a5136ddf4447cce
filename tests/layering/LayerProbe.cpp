// Built against one layer's library with one header of another layer: it compiles
// only when the layer may see that header.
#include PROBE_HEADER

int layerProbe() {
    return 0;
}
