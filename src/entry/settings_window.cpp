#include "entry/settings_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "entry/entry_window_support.h"
#include "entry/settings_update.h"
#include "platform/printer.h"
#include "platform/qt/latin1_text.h"
#include "platform/qt/list_font.h"
#include "platform/qt/twips.h"
#include "season/text_convention.h"

namespace tavrin {

namespace {

constexpr int ScrollPageStep = 5;
constexpr int ScrollHeightTwips = 1800;
constexpr int EntryWidthTwips = 1000;

QString PercentText(int value) { return QStringLiteral("%1%").arg(value); }

QLineEdit* CourierEntry(QWidget* parent, const char* name, const std::string& text) {
  auto* entry = new QLineEdit(qt::FromLatin1(text), parent);
  entry->setObjectName(name);
  entry->setFont(qt::ReportListFont());
  entry->setFixedWidth(qt::TwipsToPixelsX(EntryWidthTwips));
  return entry;
}

// A setting beyond the bar's range (0 from a missing settings file, say) is shown at the
// nearer end.
int ScrollValue(float setting, int minimum, int maximum) {
  const double rounded = std::nearbyint(static_cast<double>(setting));
  if (!std::isfinite(rounded)) return minimum;
  return static_cast<int>(
      std::clamp(rounded, static_cast<double>(minimum), static_cast<double>(maximum)));
}

}  // namespace

SettingsWindow::SettingsWindow(Session& session) : session_(session) {
  setObjectName("Settingsform");
  setWindowTitle("Tavrin Settings");
  const SeasonStore& store = session_.store;

  Text1_ = CourierEntry(this, "Text1", YearText(store.WorkingYear));
  weekstext_ = CourierEntry(this, "weekstext", GeneralNumber(store.WeeksInSeason));
  auto* entries = new QGridLayout;
  entries->addWidget(new QLabel("Working Year", this), 0, 0);
  entries->addWidget(Text1_, 0, 1);
  entries->addWidget(new QLabel("(4 digits)", this), 0, 2);
  entries->addWidget(new QLabel("# Weeks in the regular Season", this), 1, 0);
  entries->addWidget(weekstext_, 1, 1);
  entries->addWidget(new QLabel("(Including \"bye\" weeks)", this), 1, 2);

  auto* scrolls = new QHBoxLayout;
  scrolls->addWidget(BuildScroll("Reactivityscroll", "Overall Reactivity", MinReactivity,
                                 MaxReactivity, store.Reactivity, Reactivityscroll_, Reactlabel_));
  scrolls->addWidget(BuildScroll("Weightingscroll", "Off / Def Weighting", MinWeighting,
                                 MaxWeighting, store.Weighting, Weightingscroll_, OffDeflabel_));
  Reactlabel_->setObjectName("Reactlabel");
  OffDeflabel_->setObjectName("OffDeflabel");

  auto* okbutton = qt::MakeButton(this, "okbutton", "OK", "Accept and close settings",
                                  qt::ButtonPicture::Accept);
  auto* fontbutton =
      qt::MakeButton(this, "fontbutton", "Report Font", "Pick printer font for reports");
  auto* infobutton =
      qt::MakeButton(this, "infobutton", "Info", "Help on Settings", qt::ButtonPicture::Info);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  okbutton->setDefault(true);  // Enter in a box accepts the settings
  for (QPushButton* button : {okbutton, fontbutton, infobutton}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(entries);
  layout->addSpacing(qt::TwipsToPixelsY(180));
  layout->addLayout(scrolls);
  layout->addSpacing(qt::TwipsToPixelsY(180));
  layout->addLayout(buttons);

  // The store follows the bars at once; only OK writes the settings file.
  connect(Reactivityscroll_, &QScrollBar::valueChanged, this, [this](int value) {
    Reactlabel_->setText(PercentText(-value));
    session_.store.Reactivity =
        static_cast<float>(ReadLenientNumber(qt::ToLatin1(Reactlabel_->text())));
  });
  connect(Weightingscroll_, &QScrollBar::valueChanged, this, [this](int value) {
    OffDeflabel_->setText(PercentText(-value));
    session_.store.Weighting = static_cast<float>(-value);
  });
  connect(okbutton, &QPushButton::clicked, this, [this] { OnAccept(); });
  connect(fontbutton, &QPushButton::clicked, this,
          [this] { entry_ui::OpenEntryWindow<ReportFontWindow>(session_, this); });
  connect(infobutton, &QPushButton::clicked, this, [this] { session_.ui.ShowHelpTopic("Fonts"); });
}

QWidget* SettingsWindow::BuildScroll(const char* name, const char* caption, int minimum,
                                     int maximum, float setting, QScrollBar*& scroll,
                                     QLabel*& value_label) {
  auto* frame = new QGroupBox(caption, this);
  scroll = new QScrollBar(Qt::Vertical, frame);
  scroll->setObjectName(name);
  // An upright bar counts down from its top; the bar holds the setting's negative so that the
  // up arrow, the top and PgUp mean more.
  scroll->setRange(-maximum, -minimum);
  scroll->setSingleStep(1);
  scroll->setPageStep(ScrollPageStep);
  scroll->setFixedHeight(qt::TwipsToPixelsY(ScrollHeightTwips));
  scroll->setValue(-ScrollValue(setting, minimum, maximum));
  value_label = new QLabel(PercentText(-scroll->value()), frame);
  QFont large = value_label->font();
  large.setPointSize(large.pointSize() + 4);
  large.setBold(true);
  value_label->setFont(large);
  value_label->setMinimumWidth(qt::TwipsToPixelsX(900));
  auto* row = new QHBoxLayout(frame);
  row->addWidget(scroll);
  row->addSpacing(qt::TwipsToPixelsX(180));
  row->addWidget(value_label);
  row->addStretch();
  return frame;
}

void SettingsWindow::OnAccept() {
  const SettingsForm form{qt::ToLatin1(Text1_->text()), qt::ToLatin1(weekstext_->text()),
                          -Reactivityscroll_->value(), -Weightingscroll_->value()};
  // A refused year or week count keeps the window open; so does a file that could not be
  // written, so that OK can be tried again.
  if (ApplySettings(session_, form) == CommandResult::Done) close();
}

ReportFontWindow::ReportFontWindow(Session& session) : session_(session) {
  setObjectName("Setfont");
  setWindowTitle("Tavrin Report Font");

  auto* frame = new QGroupBox("Current Font", this);
  fontlabel_ = new QLabel(qt::FromLatin1(session_.store.ReportFont), frame);
  fontlabel_->setObjectName("fontlabel");
  fontlabel_->setMinimumWidth(qt::TwipsToPixelsX(3000));
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->addWidget(fontlabel_);

  font_list_ = new QListWidget(this);
  font_list_->setObjectName("List1");
  font_list_->setMinimumHeight(qt::TwipsToPixelsY(2400));
  Printer& printer = session_.ui.ReportPrinter();
  for (int index = 0; index < printer.FontCount(); ++index) {
    font_list_->addItem(qt::FromLatin1(printer.FontName(index)));
  }

  auto* donebutton = qt::MakeButton(this, "donebutton", "Done", "Accept setting and exit",
                                    qt::ButtonPicture::Done);
  auto* infobutton = qt::MakeButton(this, "infobutton", "Info", "Help on selecting fonts",
                                    qt::ButtonPicture::Info);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(infobutton);
  buttons->addWidget(donebutton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(font_list_);
  layout->addWidget(new QLabel("MonoSpaced fonts are required for straight columns.", this));
  layout->addWidget(new QLabel("Courier New is the Recommended Font", this));
  layout->addLayout(buttons);

  connect(font_list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { fontlabel_->setText(item->text()); });
  connect(donebutton, &QPushButton::clicked, this, [this] { OnDone(); });
  connect(infobutton, &QPushButton::clicked, this, [this] { session_.ui.ShowHelpTopic("Fonts"); });
}

void ReportFontWindow::OnDone() {
  session_.store.ReportFont = qt::ToLatin1(fontlabel_->text());
  close();
}

SettingsWindow* OpenSettingsWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<SettingsWindow>(session, main_window);
}

}  // namespace tavrin
