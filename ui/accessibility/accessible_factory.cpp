#include "accessible_factory.h"

#include <QAccessible>

#include "accessible_window.h"
#include "drop_down_list.h"
#include "drop_down_list_accessible.h"
#include "form1.h"
#include "form2.h"
#include "marker_shape.h"
#include "picture_box.h"

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
  if (dynamic_cast<Form1*>(object) != nullptr || dynamic_cast<Form2*>(object) != nullptr) {
    return new AccessibleWindow(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() { QAccessible::installFactory(Describe); }

}  // namespace velmora
