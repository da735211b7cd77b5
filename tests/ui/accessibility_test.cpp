// What a screen reader learns from the chart window.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QTest>

#include "forms.h"

namespace velmora {
namespace {

QString Read(QWidget* widget, QAccessible::Text text) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(text) : QStringLiteral("<not accessible>");
}

class ChartAccessibility : public testing::Test {
 protected:
  ChartAccessibility() { form = &forms.form1(); }
  Forms forms;
  Form1* form = nullptr;
};

TEST_F(ChartAccessibility, ControlsCarryRussianNames) {
  for (QWidget* widget : std::initializer_list<QWidget*>{form->Combo1, form->Combo2, form->Label1, form->Command1, form->Image1}) {
    const QString name = widget->accessibleName();
    // On Linux a list reports its current item as its name and leaves its
    // own name to the bridge; every other control reports its name as set.
    if (!qobject_cast<QComboBox*>(widget)) {
      EXPECT_EQ(Read(widget, QAccessible::Name), name);
    }
    EXPECT_FALSE(name.isEmpty()) << widget->metaObject()->className();
    bool cyrillic = false;
    for (const QChar c : name) cyrillic = cyrillic || c.script() == QChar::Script_Cyrillic;
    EXPECT_TRUE(cyrillic) << name.toStdString();
  }
}

TEST_F(ChartAccessibility, FretboardDescribesTheFingeringFromStringSix) {
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("x 0 2 2 2 0"));
  form->Combo1->SetListIndex(7);  // E major
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("0 2 2 1 0 0"));
  form->Combo2->SetListIndex(6);  // E11
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("0 0 0 1 0 2"));
}

TEST_F(ChartAccessibility, DescriptionFollowsAKeyboardPick) {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->Combo1->setFocus();
  QTest::keyClick(form->Combo1, Qt::Key_Down);  // A# major
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("x 1 0 3 3 1"));
  QTest::keyClick(form->Combo1, Qt::Key_Home);
  QTest::keyClick(form->Combo1, Qt::Key_Down);
  QTest::keyClick(form->Combo1, Qt::Key_Down);
  QTest::keyClick(form->Combo1, Qt::Key_Down);  // C
  form->Combo2->setFocus();
  QTest::keyClick(form->Combo2, Qt::Key_Down);  // C6, played at the tenth fret
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("x x 10 0 10 0"));
}

}  // namespace
}  // namespace velmora
