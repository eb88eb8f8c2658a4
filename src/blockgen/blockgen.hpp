#pragma once
// The block-of-groups generator.
#include "blockgen/groupsbloktank.hpp"

void MAKESPECIFIEDBLOCKOFGROUPS();
void BLOKOFGROUPSMOREINFO();
