#include "accessibility/accessible_factory.h"

#include <QAccessible>

#include "accessibility/accessible_window.h"
#include "accessibility/drop_down_list_accessible.h"
#include "controls/drop_down_list.h"
#include "controls/marker_shape.h"
#include "controls/picture_box.h"

namespace velmora {
namespace {

// A marker stands for no object of its own: the fretboard speaks for it. Its
// interface says it is not there, so the toolkit's accessibility bridge
// neither lists it nor passes on its events.
class AbsentMarker : public QAccessibleWidget {
 public:
  explicit AbsentMarker(MarkerShape* marker) : QAccessibleWidget(marker) {}
  bool isValid() const override { return false; }
};

QAccessibleInterface* Describe(const QString&, QObject* object) {
  if (auto* list = qobject_cast<DropDownList*>(object)) return new DropDownListAccessible(list);
  if (auto* marker = dynamic_cast<MarkerShape*>(object)) return new AbsentMarker(marker);
  if (auto* picture = dynamic_cast<PictureBox*>(object)) return new QAccessibleWidget(picture, QAccessible::Graphic);
  // The program's own windows are its only plain top-level windows; a
  // list's popup is a window of another type and keeps the toolkit's
  // description.
  if (auto* window = qobject_cast<QWidget*>(object); window != nullptr && window->windowType() == Qt::Window) {
    return new AccessibleWindow(window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() { QAccessible::installFactory(Describe); }

}  // namespace velmora
