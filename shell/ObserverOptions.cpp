#include "shell/ObserverOptions.h"

#include <string>

#include "appcore/ProblemReport.h"
#include "ephemeris/PlaceText.h"
#include "ephemeris/TimeText.h"

namespace vespera {

void ApplyObserverOptions(const CWinApp& app, Observer& observer) {
  if (const std::optional<std::string> text = app.CommandOption(kPlaceOption)) {
    if (const Expected<Place> place = ParsePlaceOption(*text)) {
      observer.choices().place = *place;
      observer.NoteUserChange();
    } else {
      ReportProblem(std::string(kPlaceOption) + " " + *text + ": " + place.reason());
    }
  }
  if (const std::optional<std::string> text = app.CommandOption(kTimeOption)) {
    if (const Expected<UtcInstant> instant = ParseUtcTime(*text))
      observer.ShowTime(*instant);
    else
      ReportProblem(std::string(kTimeOption) + " " + *text + ": " + instant.reason());
  }
}

}  // namespace vespera
