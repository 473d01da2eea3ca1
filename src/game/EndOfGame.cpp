#include "frmTilewise.h"

void frmTilewise::TilesMatched() {}
