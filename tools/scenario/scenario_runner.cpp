#include "scenario/scenario_runner.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <istream>
#include <ostream>

#include "app/calcs.h"
#include "scenario/window_targets.h"
#include "tables/text_tables.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/cibox.h"
#include "ui/control_arrays.h"
#include "ui/twips.h"

namespace aerlith::scenario {
namespace {

Qt::Key KeyCodeOf(char character) {
    if (character >= 'a' && character <= 'z') {
        return static_cast<Qt::Key>(Qt::Key_A + (character - 'a'));
    }
    return static_cast<Qt::Key>(static_cast<unsigned char>(character));
}

void SendKeystroke(const Keystroke& keystroke, QWidget* fallback) {
    QWidget* receiver = QApplication::focusWidget();
    if (receiver == nullptr) receiver = fallback;
    if (receiver == nullptr) return;
    if (const auto* named = std::get_if<NamedKey>(&keystroke)) {
        switch (*named) {
            case NamedKey::Enter:
                QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_Return, QStringLiteral("\r"),
                                    Qt::NoModifier);
                return;
            case NamedKey::Esc:
                QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_Escape, QChar(27),
                                    Qt::NoModifier);
                return;
            case NamedKey::Backspace:
                QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_Backspace, QChar(8),
                                    Qt::NoModifier);
                return;
        }
    }
    const char character = std::get<char>(keystroke);
    QTest::sendKeyEvent(QTest::Click, receiver, KeyCodeOf(character),
                        QString(QChar::fromLatin1(character)), Qt::NoModifier);
}

QPoint BackgroundPoint() { return QPoint(3, 3); }

// Where a key for a modal window goes: its focused control, or the window itself.
QWidget* KeyReceiverOf(ui::ModalForm& modal) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != &modal) focus = modal.focusWidget();
    if (focus == nullptr || !focus->isVisible()) return &modal;
    return focus;
}

}  // namespace

std::string Bracketed(const std::string& text) {
    std::string printed = "[";
    for (const char character : text) {
        if (character == '\r') {
            printed += "\\r";
        } else if (character == '\n') {
            printed += "\\n";
        } else {
            printed += character;
        }
    }
    return printed + "]";
}

ScenarioRunner::ScenarioRunner(app::Calcs& calcs, std::ostream& out, std::string startDirectory)
    : calcs_(calcs), out_(out), startDirectory_(std::move(startDirectory)) {}

void ScenarioRunner::PrintLine(const std::string& line) { out_ << line << '\n' << std::flush; }

void ScenarioRunner::ProgramEnded() {
    if (ended_) return;
    ended_ = true;
    PrintLine("exit");
}

void ScenarioRunner::WebAddressOpened(const std::string& address) {
    PrintLine("open-url: " + Bracketed(address));
}

void ScenarioRunner::ModalShown(ui::Form& modal) {
    const std::string caption = Bracketed(modal.windowTitle().toStdString());
    if (const auto* box = dynamic_cast<const ui::Cibox*>(&modal)) {
        PrintLine("modal: cibox caption=" + caption +
                  " text=" + Bracketed(box->Text().toStdString()) +
                  " layout=" + (box->IsLongLayout() ? "long" : "short"));
    } else {
        PrintLine("modal: " + modal.Name().toStdString() + " caption=" + caption);
    }
    const QPointer<ui::ModalForm> waiting(qobject_cast<ui::ModalForm*>(&modal));
    // The replies go in once the window's own wait has begun, as a user's would.
    QTimer::singleShot(0, &modal, [this, waiting] { AnswerModal(waiting); });
}

void ScenarioRunner::AnswerModal(const QPointer<ui::ModalForm>& modal) {
    while (modal != nullptr && !modal->IsUnloaded() && !ended_) {
        if (replies_.empty()) {
            modal->close();
            Settle();
            break;
        }
        const Reply reply = replies_.front();
        replies_.pop_front();
        ApplyReply(*modal, reply);
        Settle();
    }
    // The window's wait dispatched this call. When a reply ended the wait, its wake-up was taken
    // by Settle's own event processing, and Windows' dispatcher would then sleep until some
    // later event before the wait saw that it had ended.
    QCoreApplication::eventDispatcher()->wakeUp();
}

void ScenarioRunner::ApplyReply(ui::ModalForm& modal, Reply reply) {
    switch (reply) {
        case Reply::Ok:
        case Reply::Skip: {
            // A button the window does not show cannot be clicked: the reply is used up.
            ui::CheckButton* button =
                ui::FindControl(modal, ui::kButtonPlus1, reply == Reply::Ok ? 0 : 1);
            if (button != nullptr && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
            }
            return;
        }
        case Reply::Enter:
            QTest::sendKeyEvent(QTest::Click, KeyReceiverOf(modal), Qt::Key_Return,
                                QStringLiteral("\r"), Qt::NoModifier);
            return;
        case Reply::Esc:
            QTest::sendKeyEvent(QTest::Click, KeyReceiverOf(modal), Qt::Key_Escape, QChar(27),
                                Qt::NoModifier);
            return;
        case Reply::Click: {
            // The middle of the part of the text that lies inside the window, clicked on whatever
            // is on top there.
            const ui::CaptionLabel* text = ui::FindControl(modal, ui::kLabel1);
            if (text == nullptr) return;
            const QRect shown = text->geometry().intersected(modal.rect());
            if (shown.isEmpty()) return;
            const QPoint point = shown.center();
            QWidget* target = modal.childAt(point);
            if (target == nullptr) target = &modal;
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                              target->mapFrom(&modal, point));
            return;
        }
        case Reply::Close:
            modal.close();
            return;
    }
}

void ScenarioRunner::Settle(int milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (milliseconds > 0) QTest::qWait(milliseconds);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int ScenarioRunner::Run(std::istream& script) {
    std::string line;
    int number = 0;
    while (!ended_ && std::getline(script, line)) {
        ++number;
        ParsedLine parsed = ParseLine(line);
        if (!parsed.error.empty()) {
            PrintLine("error: line " + std::to_string(number) + ": " + parsed.error);
            return 2;
        }
        if (!parsed.command) continue;
        if (const auto* show = std::get_if<Show>(&*parsed.command);
            show != nullptr && show->what == ShowWhat::Geometry &&
            WidgetNamed(calcs_, show->name) == nullptr) {
            PrintLine("error: line " + std::to_string(number) + ": no widget named " + show->name);
            return 2;
        }
        std::visit([this](const auto& command) { Do(command); }, *parsed.command);
    }
    return 0;
}

void ScenarioRunner::Do(const Press& press) {
    if (QWidget* widget = WidgetOf(calcs_, press.target)) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    }
    Settle();
}

void ScenarioRunner::Do(const Alt& alt) {
    QTest::keyClick(&calcs_, KeyCodeOf(alt.letter), Qt::AltModifier);
    // An accelerator clicks its button about 100 ms after the key, animated.
    Settle(150);
}

void ScenarioRunner::Do(const Type& type) {
    if (QWidget* widget = WidgetOf(calcs_, type.target)) {
        widget->setFocus(Qt::TabFocusReason);
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setCursorPosition(static_cast<int>(box->text().size()));
        }
    }
    for (const Keystroke& keystroke : type.keys) {
        if (ended_) return;
        SendKeystroke(keystroke, &calcs_);
        Settle();
    }
}

void ScenarioRunner::Do(const RightClick& click) {
    if (QWidget* widget = WidgetOf(calcs_, click.target)) {
        const QPoint centre = widget->rect().center();
        QTest::mousePress(widget, Qt::RightButton, Qt::NoModifier, centre);
        QTest::mouseRelease(widget, Qt::RightButton, Qt::NoModifier, centre);
    }
    Settle();
}

void ScenarioRunner::Do(const Hover& hover) {
    QWidget* widget = WidgetOf(calcs_, hover.target);
    if (hover.target.type == TargetType::Outside) {
        // Just off the window's frame, over no window: the platform reports that the pointer
        // left the window (the offscreen one as a desktop's does), and no move reaches it.
        QCursor::setPos(calcs_.frameGeometry().topLeft() - QPoint(1, 1));
    } else if (widget == &calcs_) {
        QTest::mouseMove(&calcs_, BackgroundPoint());
    } else if (widget != nullptr) {
        QTest::mouseMove(widget, widget->rect().center());
    }
    Settle();
}

void ScenarioRunner::Do(const Answer& answer) { replies_.push_back(answer.reply); }

void ScenarioRunner::Do(const Tick&) {
    calcs_.Timer1_Timer();
    Settle();
}

void ScenarioRunner::Do(const Close&) {
    calcs_.close();
    Settle();
}

void ScenarioRunner::Do(const Shot& shot) {
    const QString file = QDir(QString::fromStdString(startDirectory_))
                             .absoluteFilePath(QString::fromStdString(shot.file));
    calcs_.grab().save(file, "PNG");
}

void ScenarioRunner::Do(const Show& show) {
    switch (show.what) {
        case ShowWhat::Entry:
            PrintLine("entry: " + Bracketed(calcs_.Text2().text().toStdString()));
            return;
        case ShowWhat::Box:
            PrintLine(BoxLine(show.box));
            return;
        case ShowWhat::State:
            PrintLine(StateLine());
            return;
        case ShowWhat::Enabled:
            PrintLine(EnabledLine());
            return;
        case ShowWhat::Picture:
            PrintLine("picture: " + Bracketed(calcs_.Image3().PictureName().toStdString()) +
                      " visible=" + (calcs_.Image3().isVisibleTo(&calcs_) ? "1" : "0"));
            return;
        case ShowWhat::Title:
            PrintLine("title: " + Bracketed(calcs_.windowTitle().toStdString()));
            return;
        case ShowWhat::Focus:
            PrintLine("focus: " + NameOf(QApplication::focusWidget(), calcs_).toStdString());
            return;
        case ShowWhat::Underline:
            PrintLine(UnderlineLine());
            return;
        case ShowWhat::Geometry:
            PrintLine(GeometryLine(show.name));
            return;
    }
}

std::string ScenarioRunner::BoxLine(int index) const {
    const ui::TextBox* box = calcs_.Text1(index);
    const ui::CaptionLabel* label = calcs_.Label2(index);
    return "box " + std::to_string(index) + ": " +
           Bracketed(box ? box->text().toStdString() : std::string()) +
           " visible=" + (box != nullptr && box->isVisibleTo(&calcs_) ? "1" : "0") +
           " label=" + Bracketed(label ? label->text().toStdString() : std::string());
}

std::string ScenarioRunner::StateLine() const {
    const bool centred = (calcs_.Text2().alignment() & Qt::AlignHCenter) == Qt::AlignHCenter;
    return "state: entryState=" + std::to_string(calcs_.state.entryState) +
           " mode=" + Bracketed(calcs_.state.modeLetter.toStdString()) +
           " align=" + (centred ? "center" : "left");
}

std::string ScenarioRunner::EnabledLine() const {
    std::string keys;
    std::string conversions;
    for (int i = 0; i < kKeyCount; ++i) {
        const auto* key = calcs_.ButtonPlus1(i);
        keys += key != nullptr && key->isEnabled() ? '1' : '0';
    }
    for (int j = 0; j < kConversionCount; ++j) {
        const auto* button = calcs_.ButtonPlus2(j);
        conversions += button != nullptr && button->isEnabled() ? '1' : '0';
    }
    return "enabled: keys=" + keys + " conv=" + conversions;
}

std::string ScenarioRunner::UnderlineLine() const {
    std::string names;
    for (const ui::ControlArray<ui::CheckButton> bank :
         {ui::kButtonPlus1, ui::kButtonPlus2, ui::kButtonPlus3}) {
        for (ui::CheckButton* button : ui::MembersOf(calcs_, bank)) {
            if (button->font().underline()) {
                // Appended piece by piece: GCC 12 misreads " " + string.
                names += ' ';
                names += button->DisplayName().toStdString();
            }
        }
    }
    return "underline:" + (names.empty() ? std::string(" none") : names);
}

std::string ScenarioRunner::GeometryLine(const std::string& name) const {
    QWidget* widget = WidgetNamed(calcs_, name);
    if (widget == nullptr) return {};
    const QRect pixels = widget == &calcs_ ? calcs_.frameGeometry() : widget->geometry();
    const auto twips = [](int pixel, double twipsPerPixel) {
        return std::to_string(std::lround(pixel * twipsPerPixel));
    };
    return "geometry: " + name + " " + twips(pixels.x(), ui::TwipsPerPixelX()) + " " +
           twips(pixels.y(), ui::TwipsPerPixelY()) + " " +
           twips(pixels.width(), ui::TwipsPerPixelX()) + " " +
           twips(pixels.height(), ui::TwipsPerPixelY());
}

}  // namespace aerlith::scenario
