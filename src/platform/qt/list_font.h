#pragma once
// The fixed-pitch font every report list is shown in, so the report columns line up.

#include <QFont>

namespace tavrin::qt {

QFont ReportListFont();

}  // namespace tavrin::qt
