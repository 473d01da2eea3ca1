#include "frmTilewise.h"

void frmTilewise::mnuGameRevealAll_Click() {}
