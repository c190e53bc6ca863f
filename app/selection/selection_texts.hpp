// The text numbers of the game selection dialogs, the "Game won" dialog and the demo bar.
#pragma once

#include <QString>
#include <functional>

namespace quilloro {

// A text of the current language by its offset; the English text when the table lacks it.
using TextLookup = std::function<QString(int offset, const char* english)>;

// Every text in English, for the pieces that are built before a table is at hand.
inline QString englishText(int, const char* english) { return QString::fromUtf8(english); }

namespace seltext {
inline constexpr int Cancel = 3;
inline constexpr int OpenAGame = 209;
inline constexpr int SelectAGame = 1701;

// The catalogue.
inline constexpr int SelectAGameLabel = 5101;
inline constexpr int Player = 5102;
inline constexpr int StatisticsButton = 5103;
inline constexpr int DemoButton = 5104;
inline constexpr int RulesButton = 5105;
inline constexpr int Preview = 5106;
inline constexpr int Decks = 5108;
inline constexpr int Difficulty = 5109;
inline constexpr int Chance = 5110;
inline constexpr int Redeals = 5111;
inline constexpr int GameTime = 5112;
inline constexpr int CustomizeFavourites = 5115;
inline constexpr int TitlePictureHint = 5116;

// The facts of a game: difficulty 5120.., chance 5123.., game time 5128...
inline constexpr int DifficultyLevels = 5120;
inline constexpr int ChanceLevels = 5123;
inline constexpr int GameTimeLevels = 5128;
inline constexpr int Odds = 5131;  // " (about %1 in %2)"
inline constexpr int Unlimited = 5132;

// The tree: the categories from 5140 in their table order, then the fixed folders.
inline constexpr int Categories = 5140;
inline constexpr int SelectedGames = 5151;
inline constexpr int FoldersList = 5152;
inline constexpr int FavouriteGames = 5153;
inline constexpr int DoubleClickToCustomize = 5154;

// The favourites dialog.
inline constexpr int GamesList = 5161;
inline constexpr int FavouriteGamesList = 5162;

// The select-number dialog.
inline constexpr int EnterAGameNumber = 5170;
inline constexpr int NumberRange = 5171;
inline constexpr int TooManyDigits = 5172;
inline constexpr int OnlyDigits = 5173;

// "Game won".
inline constexpr int GameWon = 5180;
inline constexpr int TotalOfGame = 5181;  // "Total [%1]"
inline constexpr int NewGame = 5182;
inline constexpr int RestartGame = 5183;
inline constexpr int Statistics = 5184;
inline constexpr int OpenAGameButton = 5185;
inline constexpr int SelectGame = 5186;

// The demo bar.
inline constexpr int DemoFirst = 5190;
inline constexpr int DemoPrevious = 5191;
inline constexpr int DemoScroll = 5192;
inline constexpr int DemoNext = 5193;
inline constexpr int DemoLast = 5194;
inline constexpr int DemoPlay = 5195;
inline constexpr int DemoStop = 5196;
inline constexpr int DemoClose = 5197;
}  // namespace seltext

}  // namespace quilloro
