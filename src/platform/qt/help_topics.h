#pragma once
// The help document's index: every keyword the windows ask for, and the section each opens.

#include <QString>
#include <vector>

namespace tavrin::qt {

struct HelpTopic {
  QString keyword;  // as the windows ask for it and the index lists it
  QString anchor;   // the section's name in the help document
};

const std::vector<HelpTopic>& HelpTopics();
// The section for a keyword, compared without regard to case; empty when there is none.
QString HelpAnchorFor(const QString& keyword);
inline const QString HelpDocumentUrl = QStringLiteral("qrc:/help/tavrin_help.html");

}  // namespace tavrin::qt
