#include "frmTilewise.h"

void frmTilewise::btns_Click(int /*Index*/) {}

void frmTilewise::CoverTiles() {}

void frmTilewise::TilesMismatched() {}

void frmTilewise::tmrTimer_Timer() {}
