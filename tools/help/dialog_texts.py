"""The help pages of the windows that have a "&?" button, in English and Italian.

Each page is addressed by a context number, as the rules pages are; the program asks for the page of its
window by that number (app/widgets/dialog_help_pages.cpp keeps the same numbers).
A page is a title, an opening paragraph and sections of points.
"""

PAGES = {
    2001: {
        "english": (
            "Open a game",
            "The catalogue lists every game of the collection. Choose the game you want to play, see what "
            "it is like before you deal it, and decide who plays it.",
            [
                ("The tree of games", [
                    "Favorite games holds your own short list; double-click \"(Double click to customize)\" "
                    "or use the right mouse button on the window and choose \"Customize favourite games...\" "
                    "to fill it.",
                    "Selected games holds a choice of well-known games to start with.",
                    "Folders list sorts the games by kind (Klondike type, FreeCell type, Spider type, ...) "
                    "and by the number of packs.",
                    "All games (alphabetically) lists every game by name.",
                    "Click a game to see its description; double-click it to start playing at once.",
                ]),
                ("The description", [
                    "Decks: how many packs of 52 cards the game uses.",
                    "Difficulty level: how much thought the game asks for.",
                    "Chance of winning: how often a game can be won with good play; the figure in brackets "
                    "was measured on many deals.",
                    "Redeals: how many times the cards can be gathered and dealt again.",
                    "Game time: how long a game usually lasts.",
                    "Preview: a picture of the table at the start; untick the box to hide it.",
                ]),
                ("The buttons", [
                    "Player: who plays; the result of every game is booked for this player.",
                    "Statis.: the statistics of the chosen game for the chosen player.",
                    "Rules: the rules of the chosen game.",
                    "Open a saved game...: goes on with a game you saved earlier.",
                    "OK deals the chosen game; Cancel closes the catalogue and leaves the table as it was.",
                ]),
                ("Tips", [
                    "Choosing the game already on the table, with the same player, simply goes on with it.",
                    "If you choose another game or another player while a game is under way, you are asked "
                    "first: the game given up counts as lost.",
                    "The catalogue remembers the game you chose last and opens on it next time.",
                ]),
            ],
        ),
        "italian": (
            "Apri un gioco",
            "Il catalogo elenca tutti i giochi della raccolta. Scegli il gioco che vuoi fare, guarda com'è "
            "prima di distribuire le carte e decidi chi gioca.",
            [
                ("L'albero dei giochi", [
                    "Giochi preferiti contiene il tuo elenco personale; per riempirlo fai doppio clic su "
                    "\"(Doppio clic per personalizzare)\" oppure usa il tasto destro del mouse sulla finestra "
                    "e scegli \"Personalizza i giochi preferiti...\".",
                    "Giochi scelti contiene una scelta di giochi famosi da cui cominciare.",
                    "Elenco delle cartelle ordina i giochi per tipo (Tipo Klondike, Tipo FreeCell, Tipo "
                    "Spider, ...) e per numero di mazzi.",
                    "Tutti i giochi (in ordine alfabetico) elenca ogni gioco per nome.",
                    "Fai clic su un gioco per vederne la descrizione; un doppio clic lo avvia subito.",
                ]),
                ("La descrizione", [
                    "Mazzi: quanti mazzi da 52 carte usa il gioco.",
                    "Difficoltà: quanta riflessione chiede il gioco.",
                    "Probabilità di vincere: quanto spesso una partita si può vincere giocando bene; il "
                    "numero tra parentesi è stato misurato su molte distribuzioni.",
                    "Ridistribuzioni: quante volte le carte si possono raccogliere e distribuire di nuovo.",
                    "Durata: quanto dura di solito una partita.",
                    "Anteprima: un'immagine del tavolo all'inizio; togli il segno dalla casella per "
                    "nasconderla.",
                ]),
                ("I pulsanti", [
                    "Giocatore: chi gioca; il risultato di ogni partita viene registrato per questo giocatore.",
                    "Statist.: le statistiche del gioco scelto per il giocatore scelto.",
                    "Regole: le regole del gioco scelto.",
                    "Apri una partita salvata...: riprende una partita salvata in precedenza.",
                    "OK distribuisce il gioco scelto; Annulla chiude il catalogo e lascia il tavolo com'era.",
                ]),
                ("Consigli", [
                    "Se scegli il gioco già sul tavolo, con lo stesso giocatore, la partita continua.",
                    "Se scegli un altro gioco o un altro giocatore durante una partita, ti viene chiesto "
                    "prima: la partita abbandonata conta come persa.",
                    "Il catalogo ricorda l'ultimo gioco scelto e la volta dopo si apre su di esso.",
                ]),
            ],
        ),
    },
    2002: {
        "english": (
            "Select a game",
            "Every deal of every game has a number from 1 to 9999999999999. The same number always deals "
            "the same cards, so a deal can be played again, or shared with a friend who plays it too.",
            [
                ("The window", [
                    "Enter a game number: type the number of the deal, with up to 13 digits; leading zeros "
                    "may be left out.",
                    "The list under the arrow holds the 20 numbers you played last.",
                    "OK deals that number of the game kind on the table; Cancel closes the window.",
                ]),
                ("Tips", [
                    "The number of the game on the table is shown in the window's title and is filled in "
                    "when the window opens: OK then deals the same cards again.",
                    "Only digits are accepted; a number of 0 deals nothing.",
                    "If a game is under way you are asked first whether to give it up.",
                ]),
            ],
        ),
        "italian": (
            "Scegli una partita",
            "Ogni distribuzione di ogni gioco ha un numero da 1 a 9999999999999. Lo stesso numero "
            "distribuisce sempre le stesse carte: così una partita si può rigiocare, o proporre a un amico "
            "che la gioca a sua volta.",
            [
                ("La finestra", [
                    "Inserisci il numero della partita: scrivi il numero della distribuzione, al massimo 13 "
                    "cifre; gli zeri iniziali si possono omettere.",
                    "L'elenco sotto la freccia contiene gli ultimi 20 numeri giocati.",
                    "OK distribuisce quel numero del gioco sul tavolo; Annulla chiude la finestra.",
                ]),
                ("Consigli", [
                    "Il numero della partita sul tavolo si legge nel titolo della finestra e viene proposto "
                    "all'apertura: OK distribuisce allora di nuovo le stesse carte.",
                    "Sono ammesse solo cifre; il numero 0 non distribuisce nulla.",
                    "Se una partita è in corso, ti viene chiesto prima se abbandonarla.",
                ]),
            ],
        ),
    },
    2003: {
        "english": (
            "Favorite games",
            "Put the games you play most into a list of your own: the catalogue shows them in its first "
            "folder, Favorite games, so that they are one click away.",
            [
                ("The window", [
                    "Games list: every game that is not yet among your favourites.",
                    "Favorite games: your list.",
                    "> moves the games chosen on the left into your favourites; double-clicking a game, or "
                    "dragging it across, does the same.",
                    "< moves the favourites chosen on the right back; << empties your list.",
                    "OK keeps the list, and the catalogue shows it at once; Cancel leaves it as it was.",
                ]),
                ("Tips", [
                    "Hold Ctrl or Shift while clicking to choose several games at once.",
                    "The list is kept in your preferences and stays from one session to the next.",
                ]),
            ],
        ),
        "italian": (
            "Giochi preferiti",
            "Metti i giochi che fai più spesso in un elenco tutto tuo: il catalogo li mostra nella sua prima "
            "cartella, Giochi preferiti, a un clic di distanza.",
            [
                ("La finestra", [
                    "Elenco dei giochi: tutti i giochi che non sono ancora tra i preferiti.",
                    "Giochi preferiti: il tuo elenco.",
                    "> sposta i giochi scelti a sinistra tra i preferiti; un doppio clic su un gioco, o "
                    "trascinarlo dall'altra parte, fa lo stesso.",
                    "< rimette al loro posto i preferiti scelti a destra; << svuota il tuo elenco.",
                    "OK conserva l'elenco e il catalogo lo mostra subito; Annulla lo lascia com'era.",
                ]),
                ("Consigli", [
                    "Tieni premuto Ctrl o Maiusc mentre fai clic per scegliere più giochi insieme.",
                    "L'elenco viene conservato nelle tue preferenze e resta da una sessione all'altra.",
                ]),
            ],
        ),
    },
    2004: {
        "english": (
            "Game won",
            "Well done! This window shows how you have done so far at this game and lets you choose "
            "what to play next.",
            [
                ("The totals", [
                    "Won, Lost and Total count the games of this kind booked for the current player, with "
                    "the share of won and lost games; the pie shows the same at a glance.",
                ]),
                ("The buttons", [
                    "New game...: a new deal of the same game.",
                    "Restart game...: the same deal again, from the start.",
                    "Statistics...: the whole statistics of the player.",
                    "Open a game...: the catalogue, to choose another game.",
                    "Select game...: a deal of the same game by its number.",
                    "Cancel closes the window and leaves the won game on the table.",
                ]),
                ("Tips", [
                    "New game... is the default button: Enter deals the next game at once.",
                    "Note the game number in the window's title to play the same deal again another day.",
                ]),
            ],
        ),
        "italian": (
            "Partita vinta",
            "Complimenti! Questa finestra mostra come sei andato finora in questo gioco e ti lascia "
            "scegliere che cosa giocare adesso.",
            [
                ("I totali", [
                    "Vinte, Perse e Totale contano le partite di questo gioco registrate per il giocatore "
                    "attuale, con la percentuale di partite vinte e perse; la torta mostra lo stesso a colpo "
                    "d'occhio.",
                ]),
                ("I pulsanti", [
                    "Nuova partita...: una nuova distribuzione dello stesso gioco.",
                    "Ricomincia la partita...: la stessa distribuzione, dall'inizio.",
                    "Statistiche...: tutte le statistiche del giocatore.",
                    "Apri una partita...: il catalogo, per scegliere un altro gioco.",
                    "Scegli la partita...: una distribuzione dello stesso gioco in base al suo numero.",
                    "Annulla chiude la finestra e lascia sul tavolo la partita vinta.",
                ]),
                ("Consigli", [
                    "Nuova partita... è il pulsante predefinito: Invio distribuisce subito la partita "
                    "successiva.",
                    "Annota il numero della partita nel titolo della finestra per rigiocare la stessa "
                    "distribuzione un altro giorno.",
                ]),
            ],
        ),
    },
}
