#pragma once
// The help window: the program's own help document, opened at a keyword's section, with an
// index of keywords that narrows as the user types and a search through the whole text.

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tavrin::qt {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows the section of the keyword; an unknown keyword shows the contents with the keyword
  // typed into the search box.
  void OpenAtKeyword(const QString& keyword);
  // Shows the window with the search box ready for typing.
  void OpenSearch();
  // The section on show, "" at the top of the document.
  QString CurrentAnchor() const { return current_anchor_; }

 private:
  void ShowAnchor(const QString& anchor);
  void FilterIndex(const QString& text);
  void AcceptSearch();
  void Present();

  QLineEdit* searchbox_;
  QListWidget* topiclist_;
  QTextBrowser* browser_;
  QLabel* searchstatus_;
  QString current_anchor_;
};

}  // namespace tavrin::qt
