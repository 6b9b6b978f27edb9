#include "appcore/ProblemReport.h"

#include "platform/runtime/CodePage.h"
#include "platform/windows/SystemApi.h"

namespace vespera {

void ReportProblem(const std::string& problem) {
  OutputDebugString(Utf8ToWide(problem).c_str());
}

}  // namespace vespera
