#include "platform/qt/help_viewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/qt/help_topics.h"
#include "platform/qt/pictures.h"
#include "platform/qt/window_keys.h"

static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace tavrin::qt {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitHelpResources();
  setObjectName("helpviewer");
  setWindowTitle("Tavrin Help");

  auto* contents_button = new QPushButton("&Contents", this);
  auto* back_button = new QPushButton("&Back", this);
  searchbox_ = new QLineEdit(this);
  searchbox_->setObjectName("searchbox");
  searchbox_->setPlaceholderText("Type a word to look for");
  topiclist_ = new QListWidget(this);
  topiclist_->setObjectName("topiclist");
  for (const HelpTopic& topic : HelpTopics()) topiclist_->addItem(topic.keyword);
  searchstatus_ = new QLabel(this);
  searchstatus_->setWordWrap(true);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("helptext");
  browser_->setOpenLinks(true);
  browser_->setSource(QUrl(HelpDocumentUrl));

  auto* side = new QVBoxLayout;
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents_button);
  buttons->addWidget(back_button);
  side->addLayout(buttons);
  side->addWidget(new QLabel("&Search for help on:", this));
  side->addWidget(searchbox_);
  side->addWidget(topiclist_, 1);
  side->addWidget(searchstatus_);
  auto* close_button = new QPushButton(ButtonIcon(ButtonPicture::Done), "Close", this);
  close_button->setObjectName("donebutton");
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(close_button);
  auto* reading = new QVBoxLayout;
  reading->addWidget(browser_, 1);
  reading->addLayout(bottom);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(side);
  layout->addLayout(reading, 1);
  static_cast<QLabel*>(side->itemAt(1)->widget())->setBuddy(searchbox_);
  resize(820, 560);

  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  InstallCloseKeys(this);
  connect(contents_button, &QPushButton::clicked, this, [this] { ShowAnchor("contents"); });
  connect(back_button, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(searchbox_, &QLineEdit::textChanged, this, &HelpViewer::FilterIndex);
  connect(searchbox_, &QLineEdit::returnPressed, this, &HelpViewer::AcceptSearch);
  connect(topiclist_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowAnchor(HelpAnchorFor(item->text())); });
  connect(topiclist_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowAnchor(HelpAnchorFor(item->text())); });
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this](const QUrl& url) { current_anchor_ = url.fragment(); });
}

void HelpViewer::Present() {
  show();
  raise();
  activateWindow();
}

void HelpViewer::ShowAnchor(const QString& anchor) {
  QUrl url(HelpDocumentUrl);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  browser_->setSource(url);
  current_anchor_ = anchor;
}

void HelpViewer::OpenAtKeyword(const QString& keyword) {
  const QString anchor = HelpAnchorFor(keyword);
  if (anchor.isEmpty()) {
    ShowAnchor("contents");
    searchbox_->setText(keyword);
  } else {
    ShowAnchor(anchor);
  }
  Present();
}

void HelpViewer::OpenSearch() {
  searchbox_->clear();
  Present();
  searchbox_->setFocus();
}

void HelpViewer::FilterIndex(const QString& text) {
  for (int row = 0; row < topiclist_->count(); ++row) {
    QListWidgetItem* item = topiclist_->item(row);
    item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
  }
  searchstatus_->clear();
}

void HelpViewer::AcceptSearch() {
  const QString text = searchbox_->text().trimmed();
  if (text.isEmpty()) return;
  for (int row = 0; row < topiclist_->count(); ++row) {
    if (!topiclist_->item(row)->isHidden()) {
      ShowAnchor(HelpAnchorFor(topiclist_->item(row)->text()));
      return;
    }
  }
  // No keyword matches: look for the words in the text itself, from the top, as whole words
  // ("set" should not stop at "settings").
  browser_->moveCursor(QTextCursor::Start);
  if (browser_->find(text, QTextDocument::FindWholeWords)) {
    searchstatus_->clear();
  } else {
    searchstatus_->setText(QString("Nothing in the help mentions \"%1\".").arg(text));
  }
}

}  // namespace tavrin::qt
