#pragma once
// The row handlers of the script reader. Each is called once its keyword
// field has been recognised, reads its own fields and fills the store; its
// result tells the frame whether the reading goes on.

#include <array>
#include <cstdint>

#include "reader/contesto_lettura.h"

namespace compattatore {

// General section of the line script. The rows that refuse end the reader.
esito_riga riga_lunghezza_percorso(contesto_lettura& c);
void riga_progressiva(contesto_lettura& c, int voce);
void riga_sfondo(contesto_lettura& c, std::int32_t voce::*campo);
esito_riga riga_ripetizione_segnali(contesto_lettura& c);

// Puts rows 81 to 83 in order. Returns, for rows 81, 82, 83, which row
// ("tre" 0, "due" 1, "uno" 2) each holds now, or -1 where it was cleared.
std::array<int, 3> progressive_ordina(scenario& s);

// Feature rows of the line script.
void inizia_tracciato(contesto_lettura& c);
esito_riga riga_pendenza(contesto_lettura& c);
esito_riga riga_curva(contesto_lettura& c, const std::string& parola);
void completa_tracciato(contesto_lettura& c);
esito_riga riga_montagna(contesto_lettura& c);
esito_riga riga_indicatori(contesto_lettura& c);
esito_riga riga_cartello(contesto_lettura& c);

void memo_montagna(scenario& s, std::int32_t& inizio, std::int32_t& fine, std::int32_t& tipo);
void memo_indicatori_v_max(scenario& s, std::int32_t posizione, std::int32_t& vas,
                           std::int32_t& vbs, std::int32_t& vcs, std::int16_t& strisces,
                           std::int32_t& vad, std::int32_t& vbd, std::int32_t& vcd,
                           std::int16_t& strisced);

// Train script rows.
esito_riga riga_velocita(contesto_lettura& c);
esito_riga riga_aderenza(contesto_lettura& c);
esito_riga riga_stazione(contesto_lettura& c);
esito_riga riga_segnale(contesto_lettura& c);
esito_riga riga_rallentamento(contesto_lettura& c);
esito_riga riga_abbattimento(contesto_lettura& c);

void memo_segnale(scenario& s, std::int32_t posizione, std::int32_t& sx, std::int32_t& s1,
                  std::int32_t& s2, std::int32_t& s3, std::int32_t& rapp, std::int32_t& dx,
                  std::int32_t& d1, std::int32_t& d2, std::int32_t& d3, std::int32_t& tempo);
void memo_rallentamento(scenario& s, std::int32_t x, std::int32_t& v, std::int32_t& l,
                        std::int32_t& f_tt, std::int32_t f_ta, std::int32_t& d_v);

// The normal end of the train script: both tails, then the kilometric check.
void completa_treno(contesto_lettura& c);

}  // namespace compattatore
