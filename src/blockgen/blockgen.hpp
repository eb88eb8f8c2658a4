#pragma once
// The block-of-groups generator.

void MAKESPECIFIEDBLOCKOFGROUPS();
void BLOKOFGROUPSMOREINFO();
void RESETACTIVEGROUPSIZESCOUNTS();
