#include "entry/settings_window.h"

#include <QDialogButtonBox>
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
#include "entry/typed_changes.h"
#include "platform/printer.h"
#include "platform/qt/dialog_buttons.h"
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

SettingsWindow::SettingsWindow(Session& session, QWidget* owner)
    : QDialog(owner),
      session_(session),
      reactivity_at_open_(session.store.Reactivity),
      weighting_at_open_(session.store.Weighting) {
  setObjectName("Settingsform");
  setWindowTitle("Tavrin Settings");
  const SeasonStore& store = session_.store;

  year_box_ = CourierEntry(this, "Text1", YearText(store.WorkingYear));
  weeks_box_ = CourierEntry(this, "weekstext", GeneralNumber(store.WeeksInSeason));
  auto* year_label = new QLabel("&Working Year", this);
  auto* weeks_label = new QLabel("# Wee&ks in the regular Season", this);
  year_label->setBuddy(year_box_);
  weeks_label->setBuddy(weeks_box_);
  auto* entries = new QGridLayout;
  entries->addWidget(year_label, 0, 0);
  entries->addWidget(year_box_, 0, 1);
  entries->addWidget(new QLabel("(4 digits)", this), 0, 2);
  entries->addWidget(weeks_label, 1, 0);
  entries->addWidget(weeks_box_, 1, 1);
  entries->addWidget(new QLabel("(Including \"bye\" weeks)", this), 1, 2);

  auto* scrolls = new QHBoxLayout;
  scrolls->addWidget(BuildScroll("Reactivityscroll", "Overall &Reactivity", MinReactivity,
                                 MaxReactivity, store.Reactivity, reactivity_bar_,
                                 reactivity_label_));
  scrolls->addWidget(BuildScroll("Weightingscroll", "&Off / Def Weighting", MinWeighting,
                                 MaxWeighting, store.Weighting, weighting_bar_, weighting_label_));
  reactivity_label_->setObjectName("Reactlabel");
  weighting_label_->setObjectName("OffDeflabel");

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* ok_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Accept, "okbutton", "OK",
                          "Accept and close settings", qt::ButtonPicture::Accept);
  QPushButton* font_button = qt::AddDialogButton(buttons, qt::DialogButton::Action, "fontbutton",
                                                 "Report Font", "Pick printer font for reports");
  QPushButton* help_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Help, "infobutton", "Info", "Help on Settings",
                          qt::ButtonPicture::Info);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(entries);
  layout->addSpacing(qt::TwipsToPixelsY(180));
  layout->addLayout(scrolls);
  layout->addSpacing(qt::TwipsToPixelsY(180));
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // The store follows the bars at once; only OK writes the settings file.
  connect(reactivity_bar_, &QScrollBar::valueChanged, this, [this](int value) {
    typed_ = true;
    reactivity_label_->setText(PercentText(-value));
    session_.store.Reactivity =
        static_cast<float>(ReadLenientNumber(qt::ToLatin1(reactivity_label_->text())));
  });
  connect(weighting_bar_, &QScrollBar::valueChanged, this, [this](int value) {
    typed_ = true;
    weighting_label_->setText(PercentText(-value));
    session_.store.Weighting = static_cast<float>(-value);
  });
  for (QLineEdit* box : {year_box_, weeks_box_}) {
    connect(box, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  }
  connect(ok_button, &QPushButton::clicked, this, [this] { OnAccept(); });
  connect(font_button, &QPushButton::clicked, this,
          [this] { entry_ui::OpenEntryWindow<ReportFontWindow>(session_, this); });
  connect(help_button, &QPushButton::clicked, this, [this] { session_.ui.ShowHelpTopic("Fonts"); });
}

QWidget* SettingsWindow::BuildScroll(const char* name, const char* caption, int minimum,
                                     int maximum, float setting, QScrollBar*& scroll,
                                     QLabel*& value_label) {
  auto* frame = new QGroupBox(this);
  scroll = new QScrollBar(Qt::Vertical, frame);
  // The frame's caption is the bar's label: its letter takes the focus to the bar.
  auto* frame_caption = new QLabel(caption, frame);
  frame_caption->setBuddy(scroll);
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
  auto* row = new QHBoxLayout;
  row->addWidget(scroll);
  row->addSpacing(qt::TwipsToPixelsX(180));
  row->addWidget(value_label);
  row->addStretch();
  auto* column = new QVBoxLayout(frame);
  column->addWidget(frame_caption);
  column->addLayout(row);
  return frame;
}

void SettingsWindow::OnAccept() {
  const SettingsForm form{qt::ToLatin1(year_box_->text()), qt::ToLatin1(weeks_box_->text()),
                          -reactivity_bar_->value(), -weighting_bar_->value()};
  // A refused year or week count keeps the window open, with the box to correct taking the
  // focus; so does a file that could not be written, so that OK can be tried again.
  const CommandResult result = ApplySettings(session_, form);
  if (result == CommandResult::Done) {
    accept();
  } else if (result == CommandResult::Refused) {
    const auto year = ReadTypedWholeNumber(form.year_text, LastWorkingYear);
    QLineEdit* refused = !year || *year < FirstWorkingYear ? year_box_ : weeks_box_;
    refused->setFocus();
    refused->selectAll();
  }
}

void SettingsWindow::reject() {
  if (!MayCloseWithTypedChanges(session_.ui, typed_)) return;
  session_.store.Reactivity = reactivity_at_open_;
  session_.store.Weighting = weighting_at_open_;
  QDialog::reject();
}

ReportFontWindow::ReportFontWindow(Session& session, QWidget* owner)
    : QDialog(owner), session_(session) {
  setObjectName("Setfont");
  setWindowTitle("Tavrin Report Font");

  auto* frame = new QGroupBox("Current Font", this);
  font_label_ = new QLabel(qt::FromLatin1(session_.store.ReportFont), frame);
  font_label_->setObjectName("fontlabel");
  font_label_->setMinimumWidth(qt::TwipsToPixelsX(3000));
  auto* frame_layout = new QVBoxLayout(frame);
  frame_layout->addWidget(font_label_);

  font_list_ = new QListWidget(this);
  font_list_->setObjectName("List1");
  font_list_->setMinimumHeight(qt::TwipsToPixelsY(2400));
  font_list_->setAccessibleName("Printer fonts");
  Printer& printer = session_.ui.ReportPrinter();
  for (int index = 0; index < printer.FontCount(); ++index) {
    font_list_->addItem(qt::FromLatin1(printer.FontName(index)));
  }

  QDialogButtonBox* buttons = qt::MakeDialogButtonBox(this);
  QPushButton* help_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Help, "infobutton", "Info",
                          "Help on selecting fonts", qt::ButtonPicture::Info);
  QPushButton* done_button =
      qt::AddDialogButton(buttons, qt::DialogButton::Accept, "donebutton", "Done",
                          "Accept setting and exit", qt::ButtonPicture::Done);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(font_list_);
  layout->addWidget(new QLabel("MonoSpaced fonts are required for straight columns.", this));
  layout->addWidget(new QLabel("Courier New is the Recommended Font", this));
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(font_list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { font_label_->setText(item->text()); });
  connect(done_button, &QPushButton::clicked, this, [this] { OnDone(); });
  connect(help_button, &QPushButton::clicked, this, [this] { session_.ui.ShowHelpTopic("Fonts"); });
}

void ReportFontWindow::OnDone() {
  session_.store.ReportFont = qt::ToLatin1(font_label_->text());
  accept();
}

SettingsWindow* OpenSettingsWindow(Session& session, QWidget* main_window) {
  return entry_ui::OpenEntryWindow<SettingsWindow>(session, main_window);
}

}  // namespace tavrin
