// The process-wide current drawing service.
#include "platform/draw.h"

namespace pf {

namespace {
DrawingService* g_drawing = nullptr;
}  // namespace

DrawingService& Drawing() { return g_drawing ? *g_drawing : PlatformDrawing(); }
void SetDrawing(DrawingService* service) { g_drawing = service; }

}  // namespace pf
