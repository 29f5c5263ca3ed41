#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "exercises/aufgabenerstellen_dlg.h"
#include "platform/radiogroup.h"
#include "skript_zufall.h"
#include "toolkit/schaltung.h"

using namespace exercises;

namespace {

bool Sichtbar(const TAufgabenerstellenDlg& dlg, int n) { return !dlg.Label[static_cast<std::size_t>(n)]->isHidden(); }

TEST(AufgabenerstellenDlg, OpensWithACapacitorExerciseAndShowsTheRowsOfEachType) {
  TAufgabenerstellenDlg dlg;
  auto skript = std::make_unique<Skript_Zufall>(std::vector<int>{
      0, 229, 18,  49,            // capacitor, case 0
      1, 99,  999, 299, 399, 99,  // R-C-L, case 1
      2, 0,   199, 100, 999,      // R-C: case 2 drawn again, case 0
      0, 99,  100, 999,           // "Neue Aufgabe": R-C again
  });
  Skript_Zufall* z = skript.get();
  dlg.Setze_Zufallsquelle(std::move(skript));
  EXPECT_EQ(z->Rest(), 19u) << "nothing is drawn before the dialog shows";
  EXPECT_EQ(dlg.windowTitle(), "Erstellen von Aufgaben:");

  dlg.show();
  EXPECT_EQ(dlg.Label[4]->text(), "Xc = 100 V/A");
  EXPECT_EQ(dlg.Label[5]->text(), "C = 0.032 mF");
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(Sichtbar(dlg, n), n <= 5) << "Label" << n;

  dlg.RadioGroup1->SetItemIndex(5);
  for (int n = 1; n <= 12; ++n) EXPECT_TRUE(Sichtbar(dlg, n)) << "Label" << n;
  EXPECT_EQ(dlg.Label[12]->text(), "R = 100 Ohm");
  EXPECT_NEAR(static_cast<double>(Schaltung.Z), 141.4213562373, 1e-8);

  dlg.RadioGroup1->SetItemIndex(2);
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(Sichtbar(dlg, n), n <= 9) << "Label" << n;
  EXPECT_EQ(dlg.Label[9]->text(), "Ur = 100 V");
  dlg.Button2->click();
  EXPECT_EQ(dlg.Label[6]->text(), "R = 4.762 Ohm");
  EXPECT_EQ(z->Rest(), 0u);

  // Restoring a minimised dialog keeps the exercise.
  dlg.hide();
  dlg.show();
  EXPECT_EQ(dlg.Label[6]->text(), "R = 4.762 Ohm");
}

TEST(AufgabenerstellenDlg, HelpOpensAtTheEntryOfTheChosenType) {
  TAufgabenerstellenDlg dlg;
  dlg.Setze_Zufallsquelle(std::make_unique<Mersenne_Zufall>(7));
  std::vector<int> eintraege;
  dlg.Oeffne_Hilfe = [&](int e) { eintraege.push_back(e); };
  dlg.show();
  for (int i = 0; i < 6; ++i) {
    dlg.RadioGroup1->SetItemIndex(i);
    dlg.Button1->click();
  }
  EXPECT_EQ(eintraege, (std::vector<int>{1, 2, 4, 5, 6, 7}));
}

}  // namespace
