// The numbers of the texts of the players, statistics and hi-score windows.
#pragma once

namespace quilloro::statstext {

// Players and the name dialog.
inline constexpr int PlayersCaption = 1801;
inline constexpr int SelectPlayer = 1802;
inline constexpr int AddPlayer = 1803;
inline constexpr int EditPlayer = 1804;
inline constexpr int DeleteQuestion = 1806;

// The statistics windows.
inline constexpr int Total = 1902;
inline constexpr int CurrentSession = 1903;
inline constexpr int Series = 1904;
inline constexpr int Won = 1905;
inline constexpr int Lost = 1906;
inline constexpr int TotalCount = 1907;
inline constexpr int Percent = 1908;
inline constexpr int Current = 1909;
inline constexpr int ClearButton = 1912;
inline constexpr int AllGamesButton = 1913;
inline constexpr int PlayersButton = 1914;
inline constexpr int WonRun = 1915;
inline constexpr int LostRun = 1916;
inline constexpr int WonOne = 1917;
inline constexpr int LostOne = 1918;
inline constexpr int Game = 1919;
inline constexpr int LogDate = 2001;
inline constexpr int LogStart = 2002;
inline constexpr int LogTime = 2003;
inline constexpr int LogGame = 2004;
inline constexpr int LogMark = 2005;
inline constexpr int LogScore = 2007;
inline constexpr int LogPlayer = 2008;
inline constexpr int LogWon = 2009;
inline constexpr int LogLost = 2010;
inline constexpr int AllGamesCaption = 2011;

// Texts of these windows that carry no number of their own elsewhere.
inline constexpr int NewButton = 7301;
inline constexpr int EditButton = 7302;
inline constexpr int DeleteButton = 7303;
inline constexpr int Ok = 7304;
inline constexpr int Cancel = 7305;
inline constexpr int PlayerName = 7306;
inline constexpr int NameEmpty = 7307;
inline constexpr int NameExists = 7308;
inline constexpr int CannotDeleteCurrent = 7309;
inline constexpr int NoPlayerSelected = 7310;
inline constexpr int StartNewGameFor = 7311;
inline constexpr int ClearCaption = 7312;
inline constexpr int ClearQuestionPlayer = 7313;
inline constexpr int ClearQuestionGame = 7314;
inline constexpr int AllPlayers = 7315;
inline constexpr int AllGames = 7316;
inline constexpr int Compliments = 7317;
inline constexpr int YouEntered = 7318;
inline constexpr int HiScoresExclaimed = 7319;
inline constexpr int HiScoresButton = 7320;
inline constexpr int HiScoresCaption = 7321;
inline constexpr int ColumnPosition = 7322;
inline constexpr int ColumnPlayer = 7323;
inline constexpr int ColumnScore = 7324;
inline constexpr int ColumnTime = 7325;
inline constexpr int ColumnMark = 7326;
inline constexpr int ColumnDate = 7327;
inline constexpr int ColumnNumber = 7328;
inline constexpr int ClearScores = 7329;
inline constexpr int ClearScoresQuestion = 7330;
inline constexpr int StatisticsCaption = 7331;
inline constexpr int LogButton = 7332;
inline constexpr int LogCaption = 7333;
inline constexpr int RankingCaption = 7334;
inline constexpr int SeriesValues = 7335;
inline constexpr int GamesWonShare = 7336;
inline constexpr int AverageScore = 7337;
inline constexpr int First = 7338;   // "st"
inline constexpr int Second = 7339;  // "nd"
inline constexpr int Third = 7340;   // "rd"
inline constexpr int Other = 7341;   // "th"
inline constexpr int Best = 7342;    // " best"
inline constexpr int BestTimes = 7343;
inline constexpr int FastestWon = 7344;
inline constexpr int AverageWon = 7345;
inline constexpr int ListFull = 7346;
inline constexpr int NameNotStorable = 7347;
inline constexpr int PlayerLabel = 7348;
inline constexpr int GameLabel = 7349;
inline constexpr int ShowLabel = 7350;
inline constexpr int FileProblem = 7351;
inline constexpr int NoWonGames = 7352;
inline constexpr int PlayersHiScores = 7353;  // "Hi-Scores..." of the ranking
inline constexpr int Score = 7354;

}  // namespace quilloro::statstext
