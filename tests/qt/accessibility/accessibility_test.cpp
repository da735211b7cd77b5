// What a screen reader learns from the chart window, read inside the process
// through the toolkit's accessibility interfaces. The events that carry each
// change to a reader are tested over the accessibility bus (tests/atspi).

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QTest>
#include <vector>

#include "forms/forms.h"

namespace velmora {
namespace {

QAccessibleInterface* Accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QString Read(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* accessible = Accessible(object);
  return accessible ? accessible->text(text) : QStringLiteral("<not accessible>");
}

QString ReadText(QObject* object) {
  QAccessibleTextInterface* text = Accessible(object)->textInterface();
  return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

bool HasCyrillic(const QString& text) {
  for (const QChar c : text) {
    if (c.script() == QChar::Script_Cyrillic) return true;
  }
  return false;
}

class ChartAccessibility : public testing::Test {
 protected:
  ChartAccessibility() { form = &forms.form1(); }
  Forms forms;
  Form1* form = nullptr;
};

TEST_F(ChartAccessibility, TheWindowIsAFrameNamedByItsTitle) {
  EXPECT_EQ(Accessible(form)->role(), QAccessible::Window);
  EXPECT_EQ(Read(form, QAccessible::Name), QStringLiteral("Аккорды"));
}

TEST_F(ChartAccessibility, ListsKeepTheirNamesWhateverTheyShow) {
  for (int pick = 0; pick < 3; ++pick) {
    EXPECT_EQ(Read(form->Combo1, QAccessible::Name), QStringLiteral("Основной тон"));
    EXPECT_EQ(Read(form->Combo2, QAccessible::Name), QStringLiteral("Тип аккорда"));
    form->Combo1->SetListIndex(pick * 4 + 1);
    form->Combo2->SetListIndex(pick * 6 + 2);
  }
  EXPECT_EQ(Accessible(form->Combo2)->child(0)->text(QAccessible::Name), QStringLiteral("Тип аккорда"));
}

TEST_F(ChartAccessibility, ListValueAndTextAreTheItemAsSpoken) {
  EXPECT_EQ(Read(form->Combo1, QAccessible::Value), QStringLiteral("A"));
  EXPECT_EQ(ReadText(form->Combo1), QStringLiteral("A"));
  // The major item shows nothing and is spoken as a word.
  EXPECT_EQ(form->Combo2->Text(), QString());
  EXPECT_EQ(Read(form->Combo2, QAccessible::Value), QStringLiteral("мажор"));
  EXPECT_EQ(ReadText(form->Combo2), QStringLiteral("мажор"));
  form->Combo2->SetListIndex(13);
  EXPECT_EQ(ReadText(form->Combo2), QStringLiteral("min7 5b"));
}

TEST_F(ChartAccessibility, TheOpenedListSpeaksTheMajorItem) {
  QAccessibleInterface* items = Accessible(form->Combo2)->child(0);
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(items->object(), form->Combo2->view());
  ASSERT_EQ(items->childCount(), 19);
  EXPECT_EQ(items->child(0)->text(QAccessible::Name), QStringLiteral("мажор"));
  EXPECT_EQ(items->child(2)->text(QAccessible::Name), QStringLiteral("7"));
  EXPECT_EQ(form->Combo2->itemText(0), QString());
}

TEST_F(ChartAccessibility, TheLabelIsNamedByTheChordAsShown) {
  EXPECT_EQ(Read(form->Label1, QAccessible::Name), QStringLiteral("A"));
  form->Combo2->SetListIndex(2);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("A7"));
  EXPECT_EQ(Read(form->Label1, QAccessible::Name), QStringLiteral("A7"));
}

TEST_F(ChartAccessibility, OtherControlsCarryRussianNames) {
  for (QWidget* widget : std::initializer_list<QWidget*>{form->Image1, form->Command1}) {
    EXPECT_TRUE(HasCyrillic(Read(widget, QAccessible::Name))) << Read(widget, QAccessible::Name).toStdString();
  }
  EXPECT_EQ(Accessible(form->Image1)->role(), QAccessible::Graphic);
}

TEST_F(ChartAccessibility, MarkersAreNoObjectsOfTheirOwn) {
  QAccessibleInterface* window = Accessible(form);
  std::vector<QObject*> children;
  for (int i = 0; i < window->childCount(); ++i) children.push_back(window->child(i)->object());
  const std::vector<QObject*> controls{form->Image1, form->Label1, form->Combo1, form->Combo2, form->Command1};
  EXPECT_EQ(children, controls);
  for (int string = 1; string <= 6; ++string) {
    EXPECT_EQ(window->indexOfChild(Accessible(&form->Marker(string))), -1);
    EXPECT_FALSE(Accessible(&form->Marker(string))->isValid());
  }
}

TEST_F(ChartAccessibility, FretboardAndLabelDescribeTheFingeringFromStringSix) {
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("x 0 2 2 2 0"));
  EXPECT_EQ(Read(form->Label1, QAccessible::Description), QStringLiteral("x 0 2 2 2 0"));
  form->Combo1->SetListIndex(7);  // E major
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("0 2 2 1 0 0"));
  form->Combo2->SetListIndex(6);  // E11
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("0 0 0 1 0 2"));
  EXPECT_EQ(Read(form->Label1, QAccessible::Description), QStringLiteral("0 0 0 1 0 2"));
}

TEST_F(ChartAccessibility, ListsDescribeTheChordTheyLeadTo) {
  form->Combo1->SetListIndex(4);
  form->Combo2->SetListIndex(6);
  for (DropDownList* list : {form->Combo1, form->Combo2}) {
    EXPECT_EQ(Read(list, QAccessible::Description), QStringLiteral("Аккорд C#11: 9 9 9 10 9 11"));
  }
}

TEST_F(ChartAccessibility, AKeyboardPickIsReadAtOnce) {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->Combo1->setFocus();
  QTest::keyClick(form->Combo1, Qt::Key_Down);  // A# major
  EXPECT_EQ(Read(form->Combo1, QAccessible::Value), QStringLiteral("A#"));
  EXPECT_EQ(Read(form->Label1, QAccessible::Name), QStringLiteral("A#"));
  EXPECT_EQ(Read(form->Image1, QAccessible::Description), QStringLiteral("x 1 0 3 3 1"));
  form->Combo2->setFocus();
  QTest::keyClick(form->Combo2, Qt::Key_End);  // A#aug
  EXPECT_EQ(Read(form->Combo2, QAccessible::Name), QStringLiteral("Тип аккорда"));
  EXPECT_EQ(Read(form->Combo2, QAccessible::Description), QStringLiteral("Аккорд A#aug: x 1 0 3 3 2"));
}

TEST_F(ChartAccessibility, TheShownItemCarriesTheChordItLeadsTo) {
  form->Combo1->SetListIndex(3);  // C
  form->Combo2->SetListIndex(2);  // C7
  QAccessibleInterface* types = Accessible(form->Combo2)->child(0);
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(types->child(2)->text(QAccessible::Name), QStringLiteral("7"));
  EXPECT_EQ(types->child(2)->text(QAccessible::Description), QStringLiteral("Аккорд C7: x 3 2 3 1 3"));
  EXPECT_EQ(types->child(1)->text(QAccessible::Description), QString());
  QAccessibleInterface* roots = Accessible(form->Combo1)->child(0);
  EXPECT_EQ(roots->child(3)->text(QAccessible::Description), QStringLiteral("Аккорд C7: x 3 2 3 1 3"));
  EXPECT_EQ(roots->child(0)->text(QAccessible::Description), QString());
  // Nothing the list shows changes with it.
  EXPECT_EQ(form->Combo2->currentText(), QStringLiteral("7"));
  EXPECT_EQ(form->Combo2->itemData(2, Qt::AccessibleDescriptionRole).toString(),
            QStringLiteral("Аккорд C7: x 3 2 3 1 3"));
  EXPECT_EQ(form->Combo2->itemData(2, Qt::DisplayRole).toString(), QStringLiteral("7"));
}

TEST_F(ChartAccessibility, TheClosedListsItemsStandInNoPlace) {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  QAccessibleInterface* list = Accessible(form->Combo2);
  QAccessibleInterface* items = list->child(0);
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(list->childCount(), 1);
  EXPECT_EQ(items->parent()->object(), form->Combo2);
  EXPECT_EQ(list->indexOfChild(items), -1);
  form->Combo2->showPopup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->Combo2->view()->isVisible(); }));
  EXPECT_EQ(list->indexOfChild(items), 0);
  form->Combo2->hidePopup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !form->Combo2->view()->isVisible(); }));
  EXPECT_EQ(list->indexOfChild(items), -1);
}

TEST_F(ChartAccessibility, AboutIsADialogWhoseTextsAreAllSpoken) {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->Command1->click();
  Form2* about = forms.LoadedForm2();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Accessible(about)->role(), QAccessible::Dialog);
  EXPECT_EQ(Accessible(form)->role(), QAccessible::Window);
  // A reader reads out a dialog's texts of three words or more: the maker's
  // line reads its year as a word.
  EXPECT_EQ(about->Label3->text(), QStringLiteral("Velmora, 2026"));
  EXPECT_EQ(Read(about->Label3, QAccessible::Name), QStringLiteral("Velmora, 2026 год"));
  EXPECT_EQ(Read(about->Label1, QAccessible::Name), about->Label1->text());
  EXPECT_EQ(Read(about->Label2, QAccessible::Name), about->Label2->text());
}

}  // namespace
}  // namespace velmora
