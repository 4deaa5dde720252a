#include "app/endbox.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>

#include "layout/window_math.h"
#include "tables/maker.h"
#include "ui/accessibility.h"
#include "ui/calcmodd.h"
#include "ui/caption_label.h"
#include "ui/control_arrays.h"
#include "ui/image_box.h"
#include "ui/key_ascii.h"
#include "ui/platform_hooks.h"
#include "ui/texts.h"
#include "ui/window_icon.h"

namespace aerlith::app {
namespace {

constexpr std::int32_t kBackgroundColour = layout::Rgb(7, 49, 89);
constexpr double kNotePoints = 8;

}  // namespace

QString ThankYouNote() {
    using ui::FromUtf8;
    const std::array<QString, 17> lines{
        QStringLiteral("Thank-you for using the Aerlith Vedudoru Dozivozavi! This utility is only "
                       "a small part of the much more extensive"),
        QStringLiteral("Aerlith Zizivu Zudado and Aerlith U.S. Zizivu Zudado Software packages, "
                       "which you will see on our aviation website."),
        QString(),
        QString(),
        QStringLiteral("If you have any questions, we can be contacted at:"),
        FromUtf8(maker::kCompany),
        FromUtf8(maker::kStreet),
        FromUtf8(maker::kTownAndProvince),
        FromUtf8(maker::kPostalCode) + QStringLiteral("   ") + FromUtf8(maker::kTelephone),
        QString(),
        QStringLiteral("Or in cyberspace at"),
        FromUtf8(maker::kFirstWebHost),
        FromUtf8(maker::kSecondWebHost),
        FromUtf8(maker::kEmail),
        QString(),
        QString(),
        FromUtf8(maker::kRightsNotice),
    };
    QString note;
    for (const QString& line : lines) note += QStringLiteral("\r\n") + line;
    return note;
}

Endbox::Endbox(QString programDirectory)
    : ui::ModalForm(QStringLiteral("endbox")), programDirectory_(std::move(programDirectory)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The ending sequence alone ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Thank you!"));
    setWindowIcon(
        ui::LoadWindowIcon(QDir(programDirectory_).filePath(QStringLiteral("icon16.png"))));
    auto* label0 = new ui::CaptionLabel(this, ui::kLabel1.Name(), 0);
    image1_ = new ui::ImageBox(this, ui::kImage1.Name(), 0);
    DeclareArray(*label0);
    DeclareSingle(*image1_);
    ConnectLabel(0);
}

ui::CaptionLabel* Endbox::Label1(int index) const {
    return ui::FindControl(*this, ui::kLabel1, index);
}

void Endbox::ConnectLabel(int index) {
    if (ui::CaptionLabel* label = Label1(index)) {
        connect(label, &ui::CaptionLabel::Clicked, this, [this, index] { Label1_Click(index); });
    }
}

void Endbox::Form_Load() {
    namespace calcmodd = ui::calcmodd;
    calcmodd::ApplyStandardLook(*this);
    const std::size_t labelsBefore = Array(ui::kLabel1.Name()).size();
    calcmodd::LoadControlArray(*this, calcmodd::kLoadTextShadow);
    for (std::size_t i = labelsBefore; i < Array(ui::kLabel1.Name()).size(); ++i) {
        ConnectLabel(static_cast<int>(i));
    }
    const QString note = ThankYouNote();
    setWindowTitle(QStringLiteral("Thank you!"));
    MoveWindow(800, 1800, 7000, 4250);
    image1_->Move(4500, 800, 3000, 3000);
    calcmodd::ShowShadowCaption(Label1(0), Label1(1), 100, 50, 8000, 8000, note);
    for (const int index : {0, 1}) {
        if (ui::CaptionLabel* label = Label1(index)) label->SetFontSize(kNotePoints);
    }
    image1_->SetStretch(false);
    image1_->LoadPicture(QDir(programDirectory_).filePath(QStringLiteral("e6e.jpg")));
    ui::NameForScreenReaders(*this, windowTitle(),
                             note.simplified() + QStringLiteral(" Press Esc to end the program."));
    ui::NameForScreenReaders(*image1_, QStringLiteral("Aeroplane at dusk"),
                             QStringLiteral("A picture of a small aeroplane climbing out over a "
                                            "lit runway at dusk."));
    // The picture lies over the note, so a click on it is not a click on the note.
    image1_->raise();
    calcmodd::ScaleForm(*this);
    calcmodd::CenterForm(*this);
    calcmodd::PaintBackground(*this, kBackgroundColour);
}

void Endbox::Form_Click() { Form_QueryUnload(); }

void Endbox::Label1_Click(int /*index*/) { Form_QueryUnload(); }

void Endbox::Form_KeyPress(int keyAscii) {
    if (keyAscii == ui::kKeyEscape) Form_QueryUnload();
}

void Endbox::Form_QueryUnload() {
    if (ending_) return;
    ending_ = true;
    Unload();
    // What the shell makes of the address is not looked at; the program ends either way.
    ui::OpenWebAddress(ui::FromUtf8(maker::WebAddress()));
    ui::EndProgram();
}

void Endbox::keyPressEvent(QKeyEvent* event) {
    if (const auto keyAscii = ui::KeyAsciiOf(*event)) {
        Form_KeyPress(*keyAscii);
        return;
    }
    ui::ModalForm::keyPressEvent(event);
}

bool Endbox::OnBackground(const QMouseEvent& event) const {
    // Presses and releases that the note or the picture did not take come on to the window too;
    // only those over the bare background are the window's own.
    const QPoint position = event.position().toPoint();
    return event.button() == Qt::LeftButton && rect().contains(position) &&
           childAt(position) == nullptr;
}

void Endbox::mousePressEvent(QMouseEvent* event) {
    pressedOnBackground_ = OnBackground(*event);
    ui::ModalForm::mousePressEvent(event);
}

void Endbox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedOnBackground_ && OnBackground(*event);
    pressedOnBackground_ = false;
    if (click) {
        Form_Click();
        return;
    }
    ui::ModalForm::mouseReleaseEvent(event);
}

void Endbox::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

}  // namespace aerlith::app
