#include "support/window_test.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/application.h"
#include "scenario/window_targets.h"
#include "ui/cibox.h"
#include "ui/form.h"
#include "ui/platform_hooks.h"

namespace aerlith::test {

double Contrast(QRgb one, QRgb other) {
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int component) {
            const double c = component / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

void WindowTest::KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : QApplication::activeWindow(), key, modifiers);
}

void WindowTest::MovePointer(QWidget& widget, QPoint position) {
    if (position.isNull()) position = widget.rect().center();
    QTest::mouseMove(widget.window()->windowHandle(), widget.mapTo(widget.window(), position));
}

QWidget* WindowTest::Target(std::string_view name) const {
    return scenario::FindTarget(*calcs_, name);
}

void WindowTest::Answer(std::function<void(ui::Form&)> action) { answers_ << std::move(action); }

void WindowTest::AnswerBox(std::function<void(ui::Cibox&)> action) {
    Answer([action = std::move(action)](ui::Form& box) { action(dynamic_cast<ui::Cibox&>(box)); });
}

int WindowTest::ShowBox(std::function<void(ui::Cibox&)> action, const QString& text) {
    AnswerBox(std::move(action));
    return ui::ShowInfoBox(text, QStringLiteral("Title"));
}

void WindowTest::initTestCase() {
    app::PrepareApplication(*qApp);
    ui::SetEndProgram([this] { calls_ << QStringLiteral("end"); });
    ui::SetOpenWebAddress([this](const QString& address) { calls_ << "open " + address; });
    ui::SetModalObserver([this](ui::Form& modal) {
        modals_ << modal.windowTitle().trimmed();
        const auto action = answers_.isEmpty() ? nullptr : answers_.takeFirst();
        QTimer::singleShot(0, &modal, [&modal, action] {
            if (action && QTest::qWaitForWindowActive(&modal)) action(modal);
            if (modal.isVisible()) modal.windowHandle()->close();
        });
    });
}

void WindowTest::init() {
    calls_.clear();
    modals_.clear();
    calcs_ = std::make_unique<app::Calcs>(QStringLiteral(AERLITH_TEST_DATA_DIR));
    calcs_->Form_Load();
    calcs_->Timer1().stop();
    calcs_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(calcs_.get()));
}

void WindowTest::cleanup() {
    calcs_.reset();
    const bool unused = !answers_.isEmpty();
    answers_.clear();
    QVERIFY2(!unused, "an answer was queued for a modal window that never came");
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
    }
}

}  // namespace aerlith::test
