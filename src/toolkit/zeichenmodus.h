#pragma once

// The display mode: which drawing the main window shows. Every topic command clears it
// (Prepare) and sets its own flags; the dispatcher tests them in a fixed order.
struct TZeichenmodus {
  // Phasor diagrams
  bool Zeigerdiagramm = false;  // phasor group: circle and axes
  bool nur_Widerstand = false;
  bool nur_Kondensator = false;
  bool nur_Spule = false;
  bool Widerstand_Kondensator = false;
  bool Widerstand_Spule = false;
  bool Kondensator_Spule = false;
  bool Widerstand_Kondensator_Spule = false;
  bool Drehstrom = false;

  // Curves
  bool Serienschwingkreis = false;
  bool Parallelschwingkreis = false;
  bool LC_Schwingkreis = false;
  bool Wobbel_Siebkette = false;
  bool Wobbel_Sperrkreis = false;
  bool Wobbel_Hoch_Tiefpass = false;
  bool Schaltvorgang_RC = false;
  bool Schaltvorgang_RL = false;
  bool Konstante_Achse_RC = false;  // second flag of the RC switching topic, survives Prepare
  bool Konstante_Achse_RL = false;  // second flag of the RL switching topic, survives Prepare
  bool Amplitudenmodulation = false;
  bool Frequenzmodulation = false;
  // Signal forms of each modulation: rising, falling, square, staircase, sine
  bool AM_ansteigend = false, AM_abfallend = false, AM_Rechteck = false, AM_Treppe = false, AM_Sinus = false;
  bool FM_ansteigend = false, FM_abfallend = false, FM_Rechteck = false, FM_Treppe = false, FM_Sinus = false;

  // Result sheets of the calculators and tables
  bool Blatt_Widerstand = false;
  bool Blatt_Kondensator = false;
  bool Blatt_Spule = false;
  bool Blatt_Hoch_Tiefpass = false;
  bool Blatt_Kapazitaet = false;
  bool Blatt_Induktivitaet = false;
  bool Blatt_RC_Reihe = false;
  bool Blatt_RL_Reihe = false;
  bool Blatt_RCL_Reihe = false;
  bool Blatt_CL_Reihe = false;
  bool Blatt_RC_parallel = false;
  bool Blatt_RL_parallel = false;
  bool Blatt_CL_parallel = false;
  bool Blatt_RCL_parallel = false;
  bool Tabelle_Kapazitaeten = false;
  bool Tabelle_Induktivitaeten = false;
  bool Tabelle_Siebkette = false;
  bool Tabelle_Sperrkreis = false;
  bool Tabelle_Hochpass = false;
  bool Tabelle_Tiefpass = false;

  // Experiments (drawn in their own dialogs)
  bool Experiment_RC_Reihe = false;
  bool Experiment_RL_Reihe = false;
  bool Experiment_RCL_Reihe = false;
  bool Experiment_RC_parallel = false;
  bool Experiment_RL_parallel = false;
  bool Experiment_CL_parallel = false;
  bool Experiment_RCL_parallel = false;

  // Fourier synthesis; the seven signal flags of Fourier 1 survive Prepare
  bool Fourier1 = false;
  bool Fourier2 = false;
  bool Rechteck = false, Dreieck = false, Saegezahn_steigend = false, Saegezahn_fallend = false,
       Nadelimpuls_negativ = false, Impulse_pos_neg = false, Zweiweg_Gleichrichtung = false;

  // Electron in fields
  bool E_Feld = false;
  bool B_Feld = false;
  bool EB_Feld = false;
  bool EB_gekreuzt = false;
  bool nur_Bild = false;  // picture-only: no evaluation panel

  bool operator==(const TZeichenmodus&) const = default;

  // Clears every flag except the second flags of the switching topics and the Fourier 1 signal flags.
  void Loeschen();
  bool Elektron_im_Feld() const { return E_Feld || B_Feld || EB_Feld || EB_gekreuzt; }
  bool Irgendein_Thema() const;  // true when some drawing or sheet is selected
};

extern TZeichenmodus Zeichenmodus;
