#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

#include "ui/announcer.h"
#include "ui/caption_label.h"
#include "ui/form.h"
#include "ui/modal_form.h"

namespace aerlith::ui {
namespace {

// Qt gives a plain top-level widget the role of a client area, which a reader calls a "filler"
// and does not announce as a window.
class WindowInterface : public QAccessibleWidget {
public:
    WindowInterface(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return widget()->windowTitle().trimmed();
        }
        return QAccessibleWidget::text(t);
    }
};

class CaptionInterface : public QAccessibleWidget {
public:
    explicit CaptionInterface(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            // A note of several lines is read as one paragraph.
            return Label().text().simplified();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // The shadow repeats its caption; an empty label has nothing to say.
        if (Label().IsShadow() || text(QAccessible::Name).isEmpty()) state.invisible = true;
        return state;
    }

private:
    const CaptionLabel& Label() const { return static_cast<const CaptionLabel&>(*widget()); }
};

QAccessibleInterface* OurInterface(const QString& /*className*/, QObject* object) {
    // Asked first with the most derived class name, so Qt's own interface for a base class never
    // comes before ours.
    if (auto* label = qobject_cast<CaptionLabel*>(object)) return new CaptionInterface(label);
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    }
    auto* form = qobject_cast<Form*>(object);
    if (form == nullptr || !form->isWindow()) return nullptr;
    const bool modal = qobject_cast<ModalForm*>(form) != nullptr;
    return new WindowInterface(form, modal ? QAccessible::Dialog : QAccessible::Window);
}

}  // namespace

QString CaptionWithoutAccelerator(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            // "&&" is a literal ampersand; a lone "&" only marks the next letter.
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                spoken += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        spoken += caption.at(i);
    }
    return spoken;
}

QString ConversionInWords(const QString& caption) {
    QString words = CaptionWithoutAccelerator(caption);
    for (const char symbol : {'-', '~', '>', '\\'}) {
        words.replace(QLatin1Char(symbol), QStringLiteral(" to "));
    }
    return words.simplified();
}

void NameForScreenReaders(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&OurInterface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace aerlith::ui
