#pragma once
// What the program needs from the machine it runs on: a wait window, a modal
// notice, the folder that holds the program, a line of report and a way to
// end. A terminal, an X11 or a Win32 window each implement it; nothing else
// in the program knows which one it runs with.

#include <filesystem>
#include <string>

namespace compattatore {

class piattaforma {
 public:
  virtual ~piattaforma() = default;

  // Shows the wait window with its one label and paints it once; the window
  // is not repainted while the work runs.
  virtual void mostra_attesa(const std::string& etichetta) = 0;

  // Shows a modal notice with a single OK button and waits for it.
  virtual void mostra_avviso(const std::string& testo) = 0;

  // Tells the user one line about the outcome of the run.
  virtual void segnala(const std::string& riga) = 0;

  // The folder that holds the running program.
  virtual std::filesystem::path cartella_programma() const = 0;

  // Ends the program with an exit status; 0 means the run went through.
  virtual void termina(int stato_uscita) = 0;
};

}  // namespace compattatore
