#include "frmTilewise.h"

void frmTilewise::mnuGameHighScores_Click() {}

void frmTilewise::mnuEditPreferences_Click() {}

void frmTilewise::mnuEditFont_Click() {}

void frmTilewise::mnuHelpAbout_Click() {}
