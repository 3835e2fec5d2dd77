#include "reports/report.h"

#include <algorithm>

namespace zel::reports {

bool Report::takes(ReportInput input) const
{
    const std::vector<ReportOption> all = options();
    return std::any_of(all.begin(), all.end(), [&](const ReportOption &o) { return o.input == input; });
}

bool Report::needs(ReportInput input) const
{
    const std::vector<ReportOption> all = options();
    return std::any_of(all.begin(), all.end(), [&](const ReportOption &o) { return o.input == input && o.required; });
}

std::optional<Document> Report::run(AppState &state, const ReportParameters &parameters, QString *message) const
{
    if (const std::optional<QString> problem = prepare(state, parameters)) {
        if (message)
            *message = *problem;
        return std::nullopt;
    }
    return layOut(state, request(state, parameters));
}

} // namespace zel::reports
