#pragma once
// The chaos run: CF1, the "R" run, its displays and its report.

void DOCHAOSRUN();
void TOGGLESEQUENCINGDIRECTION();
void SHOWINTEGERS();
void CF1FREQUENCIES();
void SAVECHAOSRUN();
