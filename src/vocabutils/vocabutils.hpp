#pragma once
// The vocabulary utilities.

void EXTRACTNTRIMVOCABUTILITIES();
