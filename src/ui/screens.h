// The drawing routines the frame routine calls, screen by screen, in its fixed order.
#pragma once

#include <cstdint>

namespace annals {

// Map view and its frame.
void DrawTerrain(int left, int top, double originX, double originY, int columns, int rows);
void DrawUnits();
void DrawLifes();
void DrawCityNames();
void DrawCurrentUnit();
void DrawEdgesAndSmallMap();

// Screens, each drawn while its flag is set.
void DrawBigNews();
void DrawMainMenu();
void DrawSaveLoadMenu();
void DrawNews();
void DrawScienceTable();
void DrawScienceMenu();
void DrawFinanceMenu();
void DrawProductsMenu();
void DrawCityMenu();
void DrawCitiesMenu();
void DrawHelpMenu();
void DrawStatsMenu();
void DrawTerrainInfoMenu();
void DrawCoin();
void DrawAITime();
void DrawGameOverMenu();
void DrawScoreMenu();

// The dialog window, and the information panel (which also writes the open screens' texts).
void DrawDialogTable();
void DrawInfoAboutCivilization();
// The score of the viewing civilization, as the panel shows it.
int32_t Score();

// The text passes of the screens, which the information panel calls in its fixed order
// once their pictures are drawn: each writes only while its screen is open.
void WriteCityDragTarget(); // the outline under a worker dragged on the city screen
void WriteCityMenuTexts();
void WriteMainMenuTexts(); // the main menu, the save and the load menus
void WriteScoreTerrainGameOverTexts();
void WriteOverviewTexts(); // statistics, products and finance
void WriteHelpTexts();
void WriteCitiesMenuTexts();

// The entrance screen.
void DrawEnterance();

} // namespace annals
