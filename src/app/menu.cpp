#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "app/form1.h"
#include "platform/safe_call.h"

// One menu item: its text, object name, handler (none: the topic is not available yet)
// and its submenu.
struct TForm1::TMenuEintrag {
  QString text;
  QString name;
  void (TForm1::*handler)() = nullptr;
  std::vector<TMenuEintrag> kinder = {};
};

namespace {

// Gives each text of one menu a mnemonic: the first letter not yet taken in that menu.
QStringList Mit_Kurzbuchstaben(const QStringList& texts) {
  QSet<QChar> taken;
  QStringList result;
  for (const QString& text : texts) {
    QString marked = text;
    for (int i = 0; i < text.size(); ++i) {
      const QChar c = text[i].toLower();
      if (!c.isLetterOrNumber() || taken.contains(c)) continue;
      taken.insert(c);
      marked = text.left(i) + '&' + text.mid(i);
      break;
    }
    result << marked;
  }
  return result;
}

}  // namespace

void TForm1::Fuege_Eintraege_hinzu(QMenu* menu, const QString& path, const std::vector<TMenuEintrag>& entries) {
  QStringList texts;
  for (const auto& e : entries) texts << e.text;
  const QStringList marked = Mit_Kurzbuchstaben(texts);
  for (size_t i = 0; i < entries.size(); ++i) {
    const TMenuEintrag& e = entries[i];
    const QString item_path = path.isEmpty() ? e.text : path + '/' + e.text;
    if (!e.kinder.empty()) {
      QMenu* sub = menu->addMenu(marked[static_cast<int>(i)]);
      sub->setObjectName(e.name);
      Fuege_Eintraege_hinzu(sub, item_path, e.kinder);
      continue;
    }
    Richte_Aktion_ein(menu->addAction(marked[static_cast<int>(i)]), e, item_path);
  }
}

void TForm1::Richte_Aktion_ein(QAction* action, const TMenuEintrag& e, const QString& path) {
  action->setObjectName(e.name);
  action->setEnabled(e.handler != nullptr);
  if (e.handler != nullptr) {
    const auto handler = e.handler;
    platform::safe_connect(action, &QAction::triggered, this, [this, handler](bool) { (this->*handler)(); });
    if (!path.startsWith(QStringLiteral("Datei/"))) topic_paths_ << path;
  }
  actions_.insert(path, action);
}

void TForm1::Baue_Menue() {
  const std::vector<TMenuEintrag> modulation_forms = {
      {"linear ansteigende Amplitude", "ansteigend"},
      {"linear abfallende Amplitude", "abfallend"},
      {"Rechtecksignal", "Rechteck"},
      {"Treppensignal", "Treppe"},
      {"Sinunssignal", "Sinus"},
  };
  using Handler = void (TForm1::*)();
  auto forms_named = [&](const QString& prefix, std::initializer_list<Handler> handlers) {
    std::vector<TMenuEintrag> items = modulation_forms;
    auto handler = handlers.begin();
    for (auto& item : items) {
      item.name = prefix + item.name + "1";
      item.handler = *handler++;
    }
    return items;
  };
  const std::vector<TMenuEintrag> menu = {
      {"Datei",
       "Datei1",
       nullptr,
       {
           {"Drucken", "Zeichung1", &TForm1::Zeichung1Click},
           {"Druckereinrichtung", "Druckereinrichtung1", &TForm1::Druckereinrichtung1Click},
           {"Programmeinstellungen", "Programmeinstellungen1", &TForm1::Programmeinstellungen1Click},
           {"Ausgabefenster schließen", "Ausgabefensterschliessen1", &TForm1::Ausgabefensterschliessen1Click},
           {"Ergebnisse",
            "Ergebnisse1",
            nullptr,
            {
                {"kopieren",
                 "kopieren2",
                 nullptr,
                 {{"farbig", "kopieren1", &TForm1::kopieren1Click},
                  {"schwarz-weiss", "schwarzweiss1", &TForm1::schwarzweiss1Click}}},
                {"speichern", "speichern1", &TForm1::speichern1Click},
            }},
           {"Beenden", "Beenden1", &TForm1::Beenden1Click},
       }},
      {"Zeigerdiagramm",
       "Zeigerdiagramm1",
       nullptr,
       {
           {"nur Widerstand", "nurWiderstand1", &TForm1::nurWiderstand1Click},
           {"nur Kondensator", "nurKondensator1", &TForm1::nurKondensator1Click},
           {"nur Spule", "nurSpule1", &TForm1::nurSpule1Click},
           {"Widerstand und Kondensator", "WiderstandundKondensator1", &TForm1::WiderstandundKondensator1Click},
           {"Widerstand und Spule", "WiderstandundSpule1", &TForm1::WiderstandundSpule1Click},
           {"Kondensator und Spule", "KondensatorundSpule1", &TForm1::KondensatorundSpule1Click},
           {"Widerstand, Kondensator und Spule", "WiderstandKondensatorundSpule1",
            &TForm1::WiderstandKondensatorundSpule1Click},
           {"Drehstrom", "Drehstrom1", &TForm1::Drehstrom1Click},
       }},
      {"Diagramme",
       "Diagramme1",
       nullptr,
       {
           {"Serienschwingkreis", "Serienschwingkreis1", &TForm1::Serienschwingkreis1Click},
           {"Parallelschwingkreis", "Parallelschwingkreis1", &TForm1::Parallelschwingkreis1Click},
           {"L-C-Schwingkreis", "LCSchwingkreis1", &TForm1::LCSchwingkreis1Click},
           {"Wobbelgenerator",
            "Wobbelgenerator1",
            nullptr,
            {{"Siebkette", "Siebkette1", &TForm1::Siebkette1Click},
             {"Sperrkreis", "Sperrkreis1", &TForm1::Sperrkreis1Click},
             {"Hoch-Tiefpass", "HochTiefpass1", &TForm1::HochTiefpass1Click}}},
           {"Ein-Ausschaltvorgänge",
            "EinAusschaltvorgaenge1",
            nullptr,
            {{"Widerstand mit Kondensator", "WiderstandmitKondensator1", &TForm1::WiderstandmitKondensator1Click},
             {"Widerstand mit Spule", "WiderstandmitSpule1", &TForm1::WiderstandmitSpule1Click}}},
           {"Amplitudenmodulation", "Amplitudenmodulation1", nullptr,
            forms_named("AM_", {&TForm1::AM_ansteigend1Click, &TForm1::AM_abfallend1Click, &TForm1::AM_Rechteck1Click,
                                &TForm1::AM_Treppe1Click, &TForm1::AM_Sinus1Click})},
           {"Frequenzmodulation", "Frequenzmodulation1", nullptr,
            forms_named("FM_", {&TForm1::FM_ansteigend1Click, &TForm1::FM_abfallend1Click, &TForm1::FM_Rechteck1Click,
                                &TForm1::FM_Treppe1Click, &TForm1::FM_Sinus1Click})},
       }},
      {"Berechnungen",
       "Berechnungen1",
       nullptr,
       {
           {"Widerstand", "BerechneWiderstand1", &TForm1::BerechneWiderstand1Click},
           {"Kondensator", "BerechneKondensator1", &TForm1::BerechneKondensator1Click},
           {"Spule", "BerechneSpule1", &TForm1::BerechneSpule1Click},
           {"Reihenschaltungen",
            "BerechneReihenschaltungen1",
            nullptr,
            {{"Widerstand mit Kondensator", "BerechneRCReihe1", &TForm1::BerechneRCReihe1Click},
             {"Widerstand mit Spule", "BerechneRLReihe1", &TForm1::BerechneRLReihe1Click},
             {"Kondensator mit Spule", "BerechneCLReihe1", &TForm1::BerechneCLReihe1Click},
             {"Widerstand, Kondensator, Spule", "BerechneRCLReihe1", &TForm1::BerechneRCLReihe1Click}}},
           {"Parallelschaltungen",
            "BerechneParallelschaltungen1",
            nullptr,
            {{"Widerstand mit Kondensator", "BerechneRCParallel1", &TForm1::BerechneRCParallel1Click},
             {"Widerstand mit Spule", "BerechneRLParallel1", &TForm1::BerechneRLParallel1Click},
             {"Kondensator mit Spule", "BerechneCLParallel1", &TForm1::BerechneCLParallel1Click},
             {"Widerstand, Kondensator, Spule", "BerechneRCLParallel1", &TForm1::BerechneRCLParallel1Click}}},
           {"Hoch-Tiefpass", "BerechneHochTiefpass1", &TForm1::BerechneHochTiefpass1Click},
           {"Kapazität eines Kondensators", "KapazitaeteinesKondensators1", &TForm1::KapazitaeteinesKondensators1Click},
           {"Induktivität einer Spule", "InduktivitaeteinerSpule1", &TForm1::InduktivitaeteinerSpule1Click},
       }},
      {"Tabellen",
       "Tabellen1",
       nullptr,
       {
           {"Kapazitäten", "TabelleKapazitaeten1", &TForm1::TabelleKapazitaeten1Click},
           {"Induktivitäten", "TabelleInduktivitaeten1", &TForm1::TabelleInduktivitaeten1Click},
           {"Siebkette", "TabelleSiebkette1", &TForm1::TabelleSiebkette1Click},
           {"Sperrkreis", "TabelleSperrkreis1", &TForm1::TabelleSperrkreis1Click},
           {"Hochpass", "TabelleHochpass1", &TForm1::TabelleHochpass1Click},
           {"Tiefpass", "TabelleTiefpass1", &TForm1::TabelleTiefpass1Click},
       }},
      {"Experimente",
       "Experimente1",
       nullptr,
       {
           {"Reihenschaltungen",
            "ExperimentReihenschaltungen1",
            nullptr,
            {{"Widerstand und Kondensator", "ExperimentRCReihe1", &TForm1::ExperimentRCReihe1Click},
             {"Widerstand und Spule", "ExperimentRLReihe1", &TForm1::ExperimentRLReihe1Click},
             {"Widerstand, Kondensator, Spule", "ExperimentRCLReihe1", &TForm1::ExperimentRCLReihe1Click}}},
           {"Parallelschaltungen",
            "ExperimentParallelschaltungen1",
            nullptr,
            {{"Widerstand und Kondensator", "ExperimentRCParallel1", &TForm1::ExperimentRCParallel1Click},
             {"Widerstand und Spule", "ExperimentRLParallel1", &TForm1::ExperimentRLParallel1Click},
             {"Kondensator und Spule", "ExperimentCLParallel1", &TForm1::ExperimentCLParallel1Click},
             {"Widerstand, Kondensator, Spule", "ExperimentRCLParallel1", &TForm1::ExperimentRCLParallel1Click}}},
       }},
      {"Fouriersynthese",
       "Fouriersynthese1",
       nullptr,
       {{"Fourier 1", "Fourier11", &TForm1::Fourier11Click}, {"Fourier 2", "Fourier21", &TForm1::Fourier21Click}}},
      {"Elektron im Feld",
       "ElektronimFeld1",
       nullptr,
       {
           {"Elektron im E-Feld", "ElektronimEFeld1", &TForm1::ElektronimEFeld1Click},
           {"Elektron im B-Feld", "ElektronimBFeld1", &TForm1::ElektronimBFeld1Click},
           {"Elektron im E-B - Feld", "ElektronimEBFeld1", &TForm1::ElektronimEBFeld1Click},
           {"Elektron im gekreuzten E-B - Feld", "ElektronimgekreuztenEBFeld1",
            &TForm1::ElektronimgekreuztenEBFeld1Click},
       }},
      {"Aufgaben", "Aufgaben1", nullptr, {{"erstellen", "erstellen1", &TForm1::erstellen1Click}}},
      {"Rechenhilfe", "Rechenhilfe1", &TForm1::Rechenhilfe1Click},
  };

  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  QStringList texts;
  for (const auto& e : menu) texts << e.text;
  const QStringList marked = Mit_Kurzbuchstaben(texts);
  for (size_t i = 0; i < menu.size(); ++i) {
    const TMenuEintrag& e = menu[i];
    if (e.kinder.empty()) {
      Richte_Aktion_ein(bar->addAction(marked[static_cast<int>(i)]), e, e.text);
      continue;
    }
    QMenu* sub = bar->addMenu(marked[static_cast<int>(i)]);
    sub->setObjectName(e.name);
    Fuege_Eintraege_hinzu(sub, e.text, e.kinder);
  }
}

QAction* TForm1::Aktion(const QString& path) const { return actions_.value(path, nullptr); }

QStringList TForm1::Themen() const { return topic_paths_; }

bool TForm1::Fuehre_Thema_aus(const QString& path) {
  QAction* action = Aktion(path);
  if (action == nullptr || !action->isEnabled()) return false;
  action->trigger();
  return true;
}
