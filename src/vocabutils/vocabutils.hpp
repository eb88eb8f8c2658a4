#pragma once
// The vocabulary utilities: the "V" sub-program of list and text tools.

// The sub-program and its menu.
void EXTRACTNTRIMVOCABUTILITIES();
void INITXNTRIMVOCAB();
void XTSIGNON();
// Key readers: XGETAKEY for the menu command (and the curve question, whose
// answer then acts on the menu), TGETAKEY for answers inside the utilities.
void XGETAKEY();
void TGETAKEY();

// The utilities, in the order of the menu's key comparisons.
void MAKEVOCABLISTFROMTEXTFILE();   // L
void EXTRACTVOCAB();                // X
void EXTRACTTRANSCRIPTION();        // Y
void RECTIFYTEXTCASE();             // R
void MAKEGROUPSLISTFROMTEXTFILE();  // G
void SORTXNLFILESBYGROUPSIZE();     // S
void TRIMVOCABMAIN();               // T
void VOCABSMATCHESUTILITY();        // M
void SUBTRACTLISTS();               // Z
void COUNTNGRAPHSINVOCABULARY();    // N
void CHANGELISTINTOBLOCK();         // B
void SHUFFLEGROUPSINLIST();         // P

void LOADDEFAULTALLOWEDSYMBOLS();
