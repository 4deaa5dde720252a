#include "app/calcs.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>

#include "app/endbox.h"
#include "calc/number_format.h"
#include "layout/window_math.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"
#include "ui/calcmodd.h"
#include "ui/cibox.h"
#include "ui/control_arrays.h"
#include "ui/hover.h"
#include "ui/key_ascii.h"
#include "ui/platform_hooks.h"
#include "ui/texts.h"
#include "ui/window_icon.h"

namespace aerlith::app {
namespace {

using layout::Rgb;
namespace calcmodd = ui::calcmodd;

constexpr std::int32_t kKeypadColour = Rgb(0, 169, 236);
constexpr std::int32_t kConversionColour = Rgb(0, 112, 159);
constexpr std::int32_t kFunctionColour = Rgb(103, 129, 167);
constexpr std::int32_t kBackgroundColour = Rgb(6, 109, 152);
// Shadow thicknesses, in tens of twips.
constexpr std::int32_t kKeypadShadow = 2;
constexpr std::int32_t kConversionShadow = 3;
constexpr std::int32_t kFunctionShadow = 4;
constexpr std::int32_t kEntryShadow = 5;
constexpr int kPictureIntervalMs = 3000;

QString FirstPicture() { return QStringLiteral("e6b2.jpg"); }

}  // namespace

Calcs::Calcs(QString programDirectory, QWidget* parent)
    : ui::Form(QStringLiteral("calcs"), parent),
      programDirectory_(std::move(programDirectory)),
      keypad_(*this, state, keypad::KeypadHooks{[this] { Form_QueryUnload(); }, {}, {}}) {
    // The window's design: member 0 of every control array and the single controls. Key 0 is
    // created first so that it is first in the tab order.
    keypad0_ = new ui::CheckButton(this, ui::kButtonPlus1.Name(), 0);
    valueBox0_ = new ui::TextBox(this, ui::kText1.Name(), 0);
    conversion0_ = new ui::CheckButton(this, ui::kButtonPlus2.Name(), 0);
    function0_ = new ui::CheckButton(this, ui::kButtonPlus3.Name(), 0);
    label0_ = new ui::CaptionLabel(this, ui::kLabel2.Name(), 0);
    text2_ = new ui::TextBox(this, ui::kText2.Name(), 0);
    image3_ = new ui::ImageBox(this, ui::kImage3.Name(), 0);
    DeclareArray(*keypad0_);
    DeclareArray(*valueBox0_);
    DeclareArray(*conversion0_);
    DeclareArray(*function0_);
    DeclareArray(*label0_);
    DeclareSingle(*text2_);
    DeclareArray(*image3_);
    setWindowIcon(ui::LoadWindowIcon(ProgramFile(QStringLiteral("icon16.png"))));
    connect(&timer1_, &QTimer::timeout, this, &Calcs::Timer1_Timer);
    keypad_.Hooks().lookUpAerodrome = [this] { LookUpByName(); };
    keypad_.Hooks().crossCountry = [this] { ComputeCrossCountry(); };
}

QString Calcs::ProgramFile(const QString& name) const {
    return QDir(programDirectory_).filePath(name);
}

QString Calcs::AerodromeFile() const {
    return aerodromeFile_.isEmpty() ? ProgramFile(QStringLiteral("vdats.tst")) : aerodromeFile_;
}

ui::TextBox* Calcs::Text1(int index) const { return ui::FindControl(*this, ui::kText1, index); }
ui::CaptionLabel* Calcs::Label2(int index) const {
    return ui::FindControl(*this, ui::kLabel2, index);
}
ui::CheckButton* Calcs::ButtonPlus1(int index) const {
    return ui::FindControl(*this, ui::kButtonPlus1, index);
}
ui::CheckButton* Calcs::ButtonPlus2(int index) const {
    return ui::FindControl(*this, ui::kButtonPlus2, index);
}
ui::CheckButton* Calcs::ButtonPlus3(int index) const {
    return ui::FindControl(*this, ui::kButtonPlus3, index);
}

void Calcs::DecodeFirstPictureAhead(const QString& programDirectory) {
    ui::ImageBox::DecodeAhead(QDir(programDirectory).filePath(FirstPicture()));
}

void Calcs::Form_Load() {
    // Every control gets its font and colours once, when the window is built.
    DeferLooks();
    calcmodd::MeasureWorkArea();
    timer1_.setInterval(kPictureIntervalMs);
    timer1_.start();
    for (const std::int32_t code :
         {calcmodd::kLoadKeypadKeys, calcmodd::kLoadConversionButtons,
          calcmodd::kLoadFunctionButtons, calcmodd::kLoadFieldNames, calcmodd::kLoadValueBoxes}) {
        calcmodd::LoadControlArray(*this, code);
    }
    state.entryState = keypad::Calculator;
    calcmodd::ApplyStandardLook(*this);
    setWindowTitle(QStringLiteral("   ") + ui::MessageText(msg::kWindowTitle));
    MoveWindow(800, 1800, 10400, 4250);

    calcmodd::SetColour(*text2_, QPalette::Base, QColor(250, 250, 250));
    text2_->Move(180, 100, 9950, 350);
    calcmodd::SetColour(*text2_, QPalette::Text, QColor(0, 0, 96));
    text2_->SetFontSize(8);
    text2_->setToolTip(ui::MessageText(msg::kEntryTooltip));

    LayOutKeypad();
    LayOutConversionBank();
    LayOutFunctionBank();

    if (const ui::CheckButton* lastFunction = ButtonPlus3(8)) {
        const ui::TwipsRect& button = lastFunction->Twips();
        const ui::TwipsRect& entry = text2_->Twips();
        image3_->Move(button.left + button.width + 100, entry.top + entry.height + 120, 2710, 2600);
    }
    image3_->SetStretch(true);
    image3_->LoadPicture(ProgramFile(FirstPicture()));

    LayOutValueBoxes();
    text2_->clear();
    calcmodd::ScaleForm(*this);

    const ui::TwipsRect& home = text2_->Twips();
    state.entryHome = {ToInt32(home.left).value_or(0), ToInt32(home.top).value_or(0),
                       ToInt32(home.width).value_or(0), ToInt32(home.height).value_or(0)};

    calcmodd::PaintBackground(*this, kBackgroundColour);
    DrawShadows();
    AttachPointerHandlers();
    NameControlsForScreenReaders();
    keypad_.Attach();
    ApplyLooks();
    show();
}

void Calcs::LayOutKeypad() {
    const QString tooltip = ui::MessageText(msg::kKeypadTooltip) + ui::MessageText(msg::kHelpHint);
    int key = 0;
    for (int column = 1; column <= 5; ++column) {
        for (int row = 1; row <= 4; ++row) {
            if (ui::CheckButton* button = ButtonPlus1(key)) {
                button->setText(QString(QChar::fromLatin1(KeypadCaption(key).value_or(' '))));
                button->Move(static_cast<float>(column * 480 - 300), static_cast<float>(row * 565),
                             450, 500);
                button->setToolTip(tooltip);
                calcmodd::PaintButton(*button, kKeypadColour);
            }
            ++key;
        }
    }
}

void Calcs::LayOutConversionBank() {
    const QString tooltip =
        ui::MessageText(msg::kConversionTooltip) + ui::MessageText(msg::kHelpHint);
    int k = 20;
    for (int column = 1; column <= 4; ++column) {
        for (int row = 1; row <= 6; ++row) {
            ++k;
            const int j = k - 21;
            // The fourth column's pass makes no button.
            if (k >= 39) continue;
            if (ui::CheckButton* button = ButtonPlus2(j)) {
                button->setText(ui::FromUtf8(ConversionCaption(j).value_or("")));
                button->Move(static_cast<float>(column * 1570 + 1070),
                             static_cast<float>(row * 370 + 190), 1500, 350);
                button->setToolTip(tooltip);
                calcmodd::PaintButton(*button, kConversionColour);
            }
        }
    }
}

void Calcs::LayOutFunctionBank() {
    for (int i = 0; i < kFunctionCount; ++i) {
        ui::CheckButton* button = ButtonPlus3(i);
        if (button == nullptr) continue;
        int tooltipFirst = msg::kTimeDistanceTooltip;
        if (i == 4) tooltipFirst = msg::kLookUpTooltip;
        if (i > 4) tooltipFirst = msg::kMeteorologyTooltip;
        if (i == 3) tooltipFirst = msg::kCrossCountryTooltip;
        button->setText(ui::MessageText(msg::kFirstFunctionCaption + i));
        if (i < 5) {
            button->Move(static_cast<float>(i * 2000 + 180), 3240, 1920, 500);
        } else {
            button->Move(static_cast<float>((i - 5) * 1790 + 180), 2800, 1720, 400);
        }
        button->setToolTip(ui::MessageText(tooltipFirst) + ui::MessageText(msg::kHelpHint));
        calcmodd::PaintButton(*button, kFunctionColour);
    }
}

void Calcs::LayOutValueBoxes() {
    for (int i = 0; i < kValueBoxCount; ++i) {
        const int slot = (i + 1) * 615;
        if (ui::TextBox* box = Text1(i)) {
            box->Move(7400, static_cast<float>(slot - 50), 2700, 320);
            box->hide();
        }
        calcmodd::ShowShadowCaption(Label2(i), Label2(i + 4), 7400, slot + 330, 2700, 320,
                                    QString());
    }
    // Tab order: key 0, then the value boxes, then the rest of the keypad and the banks.
    QWidget* previous = ButtonPlus1(0);
    auto chain = [&previous](QWidget* next) {
        if (previous != nullptr && next != nullptr) setTabOrder(previous, next);
        if (next != nullptr) previous = next;
    };
    for (int i = 0; i < kValueBoxCount; ++i) chain(Text1(i));
    for (int i = 1; i < kKeyCount; ++i) chain(ButtonPlus1(i));
    for (int i = 0; i < kConversionCount; ++i) chain(ButtonPlus2(i));
    for (int i = 0; i < kFunctionCount; ++i) chain(ButtonPlus3(i));
    chain(text2_);
}

void Calcs::DrawShadows() {
    for (int i = 0; i < kKeyCount; ++i) {
        if (ui::CheckButton* key = ButtonPlus1(i)) {
            calcmodd::DrawButtonShadow(*this, *key, kKeypadShadow);
        }
        if (i < kFunctionCount) {
            if (ui::CheckButton* function = ButtonPlus3(i)) {
                calcmodd::DrawButtonShadow(*this, *function, kFunctionShadow);
            }
        }
        if (i < kConversionCount) {
            if (ui::CheckButton* conversion = ButtonPlus2(i)) {
                calcmodd::DrawButtonShadow(*this, *conversion, kConversionShadow);
            }
        }
    }
    calcmodd::DrawButtonShadow(*this, *text2_, kEntryShadow);
}

void Calcs::Timer1_Timer() {
    ++pictureCounter_;
    if (pictureCounter_ == 1) {
        pictureName_ = QStringLiteral("e6b1.jpg");
    } else {
        pictureName_ = QStringLiteral("e6b2.jpg");
        pictureCounter_ = 0;
    }
    image3_->LoadPicture(ProgramFile(pictureName_));
}

void Calcs::AttachPointerHandlers() {
    // The value-box labels are blank while the picture shows; the pointer over the picture is
    // over the picture, not over a label nobody sees.
    image3_->raise();
    auto* background = new ui::PointerWatch(*this, ui::WatchedMoves::OverBackground);
    connect(background, &ui::PointerWatch::PointerMoved, this, &Calcs::Form_MouseMove);
    // A pointer that left the window is over none of its buttons: as over the background.
    connect(background, &ui::PointerWatch::PointerLeft, this, &Calcs::Form_MouseMove);
    auto* entry = new ui::PointerWatch(*text2_, ui::WatchedMoves::All);
    connect(entry, &ui::PointerWatch::PointerMoved, this, &Calcs::Text2_MouseMove);
    for (int i = 0; i < 2 * kValueBoxCount; ++i) {
        if (ui::CaptionLabel* label = Label2(i)) {
            connect(label, &ui::CaptionLabel::PointerMoved, this,
                    [this, i] { label2_MouseMove(i); });
        }
    }
    using MoveHandler = void (Calcs::*)(int);
    using UpHandler = void (Calcs::*)(int, int);
    struct Bank {
        ui::ControlArray<ui::CheckButton> array;
        MoveHandler move;
        UpHandler up;
        ui::HelpBank help;
    };
    const Bank banks[] = {
        {ui::kButtonPlus1, &Calcs::buttonplus1_MouseMove, &Calcs::buttonplus1_MouseUp,
         ui::HelpBank::Keypad},
        {ui::kButtonPlus2, &Calcs::buttonplus2_MouseMove, &Calcs::buttonplus2_MouseUp,
         ui::HelpBank::Conversions},
        {ui::kButtonPlus3, &Calcs::buttonplus3_MouseMove, &Calcs::buttonplus3_MouseUp,
         ui::HelpBank::Functions},
    };
    for (const Bank& bank : banks) {
        for (ui::CheckButton* button : ui::MembersOf(*this, bank.array)) {
            const int index = button->Index();
            connect(button, &ui::CheckButton::PointerMoved, this,
                    [this, move = bank.move, index] { (this->*move)(index); });
            connect(
                button, &ui::CheckButton::MouseUp, this,
                [this, up = bank.up, index](int mouseButton) { (this->*up)(index, mouseButton); });
            connect(button, &ui::CheckButton::HelpRequested, this,
                    [this, help = bank.help, index] { ShowBankHelp(help, index); });
            // A locked button takes no pointer events: the pointer over it is over the window.
            auto* locked = new ui::PointerWatch(*button, ui::WatchedMoves::WhileDisabled);
            connect(locked, &ui::PointerWatch::PointerMoved, this, &Calcs::Form_MouseMove);
        }
    }
}

void Calcs::buttonplus1_MouseMove(int index) { UnderlineOnly(ButtonPlus1(index)); }

void Calcs::buttonplus2_MouseMove(int index) { UnderlineOnly(ButtonPlus2(index)); }

void Calcs::buttonplus3_MouseMove(int index) { UnderlineOnly(ButtonPlus3(index)); }

void Calcs::UnderlineOnly(ui::CheckButton* button) {
    ui::ClearUnderlines(*this);
    if (button != nullptr) ui::UnderlineControl(*button);
}

void Calcs::Form_MouseMove() { ui::ClearUnderlines(*this); }

void Calcs::Text2_MouseMove() { ui::ClearUnderlines(*this); }

void Calcs::label2_MouseMove(int /*index*/) { ui::ClearUnderlines(*this); }

void Calcs::buttonplus1_MouseUp(int index, int button) {
    ShowContextHelp(ui::HelpBank::Keypad, index, button);
}

void Calcs::buttonplus2_MouseUp(int index, int button) {
    ShowContextHelp(ui::HelpBank::Conversions, index, button);
}

void Calcs::buttonplus3_MouseUp(int index, int button) {
    ShowContextHelp(ui::HelpBank::Functions, index, button);
}

void Calcs::ShowContextHelp(ui::HelpBank bank, int index, int button) {
    if (button != ui::kRightButton) return;
    ShowBankHelp(bank, index);
}

void Calcs::ShowBankHelp(ui::HelpBank bank, int index) {
    const ui::HelpEntries help = ui::ContextHelpEntries(bank, index);
    ui::ShowInfoBox(ui::MessageText(help.text) + ui::MessageText(help.closing),
                    ui::MessageText(help.title));
    repaint();
}

void Calcs::Form_QueryUnload() {
    if (closing_) return;
    closing_ = true;
    // The aerodrome file is opened and closed within each search, so no file is open here.
    timer1_.stop();
    hide();
    Endbox endbox(programDirectory_);
    endbox.Form_Load();
    // The thank-you window ends the program as it closes.
    endbox.ShowModal();
}

void Calcs::keyPressEvent(QKeyEvent* event) {
    const auto keyAscii = ui::KeyAsciiOf(*event);
    if (keyAscii == ui::kKeyEscape) {
        Form_QueryUnload();
        return;
    }
    ui::Form::keyPressEvent(event);
}

void Calcs::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

}  // namespace aerlith::app
