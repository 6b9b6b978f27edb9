#include "shell/NavigationCommands.h"

#include "resources/CommandIds.h"

namespace vespera {

std::optional<NavigationStep> NavigationStepForCommand(UINT commandId) {
  switch (commandId) {
    case kCommandZoomIn: return NavigationStep::ZoomIn;
    case kCommandZoomOut: return NavigationStep::ZoomOut;
    case kCommandPanLeft: return NavigationStep::PanLeft;
    case kCommandPanRight: return NavigationStep::PanRight;
    case kCommandPanUp: return NavigationStep::PanUp;
    case kCommandPanDown: return NavigationStep::PanDown;
    case kCommandResetView: return NavigationStep::ResetView;
    case kCommandMagnitude3: return NavigationStep::Magnitude3;
    case kCommandMagnitude4: return NavigationStep::Magnitude4;
    case kCommandMagnitude5: return NavigationStep::Magnitude5;
    case kCommandMagnitude6: return NavigationStep::Magnitude6;
    case kCommandMagnitude7: return NavigationStep::Magnitude7;
    case kCommandMagnitude8: return NavigationStep::Magnitude8;
    case kCommandMagnitude9: return NavigationStep::Magnitude9;
    case kCommandMagnitudeAll: return NavigationStep::MagnitudeAll;
    case kCommandZoomLevel1: return NavigationStep::ZoomLevel1;
    case kCommandZoomLevel2: return NavigationStep::ZoomLevel2;
    case kCommandZoomLevel4: return NavigationStep::ZoomLevel4;
    case kCommandZoomLevel8: return NavigationStep::ZoomLevel8;
    case kCommandZoomLevel16: return NavigationStep::ZoomLevel16;
    default: return std::nullopt;
  }
}

}  // namespace vespera
