#include "frmTilewise.h"

#include "WaitCursor.h"

void frmTilewise::mnuGameNew_Click() {
    const WaitCursor hourglass;
    ShowStatus(QStringLiteral("Starting new game..."));
    Initialize();
    ShowStatus(QStringLiteral("Unloading images..."));
    UnloadImages();
    iNumColumns = iNewNumColumns;
    iNumRows = iNewNumRows;
    iNumTilesToMatch = iNewNumTilesToMatch;
    iCategoryIndex = iNewCategoryIndex;
    iNumPlayers = iNewNumPlayers;
    ShowStatus(QStringLiteral("Randomizing array..."));
    RandomizeArray(*random_);
    ShowStatus(QStringLiteral("Loading images..."));
    LoadImages();
    ShowStatus(QString());
}
