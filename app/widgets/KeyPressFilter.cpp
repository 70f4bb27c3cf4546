#include "app/widgets/KeyPressFilter.h"

#include <QKeyEvent>
#include <QWidget>

#include "core/text/TypedForm.h"

namespace mevrik::widgets {
namespace {

class TypedCharacterFilter : public QObject {
public:
  TypedCharacterFilter(QObject* parent, std::function<bool(QChar)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    constexpr auto shortcutKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key->modifiers() & shortcutKeys) return false;
    QChar typed;
    if (key->key() == Qt::Key_Backspace) {
      typed = u'\b';
    } else if (key->text().size() == 1 && key->text()[0].isPrint()) {
      typed = QChar(text::TypedForm(key->text()[0].unicode()));
    } else {
      return false;
    }
    return !handler_(typed);
  }

private:
  std::function<bool(QChar)> handler_;
};

}  // namespace

void FilterTypedCharacters(QWidget* box, std::function<bool(QChar)> handler) {
  // Number boxes: an input method would commit text past the filter.
  box->setAttribute(Qt::WA_InputMethodEnabled, false);
  box->installEventFilter(new TypedCharacterFilter(box, std::move(handler)));
}

}  // namespace mevrik::widgets
