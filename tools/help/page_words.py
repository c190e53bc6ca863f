"""The fixed words of the rules pages and of the contents page, in both languages."""

WORDS = {
    "english": {
        "categories": {2: "Canfield type", 3: "Forty Thieves type", 4: "FreeCell type", 5: "Klondike type",
                       6: "Pairing games", 7: "Simple games", 8: "Spider type", 9: "1 deck games",
                       10: "2 decks games", 11: "Fan type"},
        "object": "Object", "layout": "Layout", "play": "Play", "stock_title": "Stock and redeals",
        "scoring": "Scoring", "variant": "Variant", "facts": "At a glance", "tips": "Tips",
        "back": "Contents of the help",
        "packs": "Cards", "one_pack": "one pack of 52 cards", "two_packs": "two packs, 104 cards",
        "stock": "Stock at the start", "stock_cards": "{} cards", "no_stock": "none: every card is dealt",
        "turned": "A click on the stock", "to_discard": "turns one card onto the discard pile",
        "row_deal": "deals cards onto the piles, as told above",
        "closes_gaps": "closes the gaps and fills them from the stock",
        "refills": "is not needed: gaps are filled from the stock by themselves",
        "per_click": "Cards turned per click", "passes": "Passes through the stock", "unlimited": "unlimited",
        "redeals": "Redeals (the piles are gathered and dealt again)",
        "autoplay": "Autoplay", "yes": "available", "no": "not available in this game",
        "score": "Score",
        "card_score": "starts at -{}; every card on a foundation or on the discard pile adds 5",
        "poker_score": "the points of the poker hands in the rows and columns",
        "length": "Length", "lengths": ["long", "medium", "quick"],
        "difficulty": "Difficulty", "difficulties": ["easy", "medium", "hard"],
        "chance": "Chance of winning", "chances": ["very high", "high", "medium", "low", "very low"],
        "odds": "{0}: the solver, seeing every card, won {1} of the {2} test deals it decided",
        "undecided": "; it could not decide {0} more within {1} seconds each",
        "undecided_one": "; it could not decide one more within {1} seconds",
        "estimate": "{0} (an estimate: the solver, seeing every card, decided only {1} of {2} test deals "
                    "within {3} seconds each, too few to measure the chance)",
        "estimate_none": "{0} (an estimate: the solver, seeing every card, decided none of {2} test deals "
                         "within {3} seconds each)",
        "contents_title": "Quilloro 98 - Help",
        "contents_intro": "Quilloro 98 is a collection of patience games for one player. Choose a game below "
                          "to read its rules, or read on for how the cards are moved with the mouse.",
        "games_title": "The games", "windows_title": "The windows",
        "howto": [
            ("Playing with the mouse", [
                "Press the left button on a face-up card and drag it where it should go; release the button "
                "to drop it. Where the rules let several cards move together, press on the lowest of them "
                "and the cards above it come along.",
                "A dropped card that no pile accepts flies back to where it came from.",
                "Click a face-down card lying on top of a pile to turn it face up.",
                "Click the stock to turn or deal cards, as the rules of the game say; when the stock is "
                "empty and the game allows a redeal, click the empty stock to start again.",
                "Double-click a card to send it home: it goes to a foundation that accepts it.",
                "Hold the right button on a covered face-up card to see it whole.",
                "In the pairing games you click the cards to choose them instead of dragging them; a "
                "chosen card is marked, and a complete pair or group leaves the table by itself.",
            ]),
            ("Playing with the keyboard", [
                "Every game can be played to its end without the mouse. The arrow keys move a yellow frame "
                "over the table: up and down along the cards of a fanned pile, then on to the next pile that way.",
                "Space or Return does what a click on the framed card does: it takes the card (with the cards "
                "above it, where they may move together), turns a face-down card, deals from the stock, or "
                "chooses the card in the pairing and selection games.",
                "While cards are taken the frame turns orange and the arrow keys carry them from pile to pile; "
                "Space or Return puts them down, Esc puts them back where they came from.",
                "A mouse click hides the frame; the next arrow key brings it back.",
            ]),
            ("Help while playing", [
                "Game > Hint (H) looks for the best next move and frames the card and the pile it should go "
                "to; the status bar says it in words, or says that no move leads to a win from here.",
                "Game > Finish for me plays the rest of the game for you when a win can be found from the "
                "cards on the table; each move can be undone, and a click or a key stops it.",
                "Game > Pause (Ctrl+P) stops the clock and hides the cards; a click or a key goes on.",
                "The status bar shows the cards left in the stock and the redeals left. Tools > Options can "
                "show it, show whether the deal can still be won after every move, and turn uncovered cards "
                "by themselves.",
            ]),
            ("Commands", [
                "Game > Undo (Ctrl+Z) takes back the last move, as many times as you like; Game > Redo "
                "makes it again.",
                "File > New game (F2) deals a new game; File > Restart game (Ctrl+F2) deals the same cards again.",
                "File > Open a game (Ctrl+F12) shows the catalogue: the games sorted into folders by kind, "
                "with a picture, the length, the difficulty and the chance of winning of each.",
                "File > Select a game (F3) deals a game by its number, so that a deal can be played again.",
                "Game > Autoplay (F7) lets the program move every card that can go to the foundations.",
                "Game > Demo (Ctrl+D) plays a recorded game of the current kind.",
                "? > Rules (F1) opens the rules of the game on the table.",
            ]),
            ("Score", ["The score starts at minus the number of cards in play and every card that reaches a "
                       "foundation or the discard pile adds 5 points, so a won game of one pack ends at 208. "
                       "Poker Square counts the points of its poker hands instead."]),
        ],
    },
    "italian": {
        "categories": {2: "Tipo Canfield", 3: "Tipo Forty Thieves", 4: "Tipo FreeCell", 5: "Tipo Klondike",
                       6: "Giochi di coppie", 7: "Giochi semplici", 8: "Tipo Spider", 9: "Giochi con un mazzo",
                       10: "Giochi con due mazzi", 11: "Tipo Ventaglio"},
        "object": "Scopo del gioco", "layout": "Disposizione", "play": "Come si gioca",
        "stock_title": "Mazzo e nuove distribuzioni", "scoring": "Punteggio", "variant": "Variante",
        "facts": "In breve", "tips": "Consigli", "back": "Indice della guida",
        "packs": "Carte", "one_pack": "un mazzo di 52 carte", "two_packs": "due mazzi, 104 carte",
        "stock": "Carte nel mazzo all'inizio", "stock_cards": "{} carte",
        "no_stock": "nessuna: tutte le carte vengono distribuite",
        "turned": "Un clic sul mazzo", "to_discard": "scopre una carta sulla pila degli eliminati",
        "row_deal": "distribuisce carte sulle pile, come spiegato sopra",
        "closes_gaps": "chiude i vuoti e li riempie dal mazzo",
        "refills": "non serve: i vuoti si riempiono da soli dal mazzo",
        "per_click": "Carte scoperte per clic", "passes": "Giri del mazzo", "unlimited": "illimitati",
        "redeals": "Nuove distribuzioni (le carte si raccolgono e si ridistribuiscono)",
        "autoplay": "Gioco automatico", "yes": "disponibile", "no": "non disponibile in questo gioco",
        "score": "Punteggio",
        "card_score": "parte da -{}; ogni carta sulle fondazioni o sulla pila degli eliminati aggiunge 5 punti",
        "poker_score": "i punti delle combinazioni di poker delle righe e delle colonne",
        "length": "Durata", "lengths": ["lunga", "media", "breve"],
        "difficulty": "Difficoltà", "difficulties": ["facile", "media", "difficile"],
        "chance": "Probabilità di vincere", "chances": ["molto alta", "alta", "media", "bassa", "molto bassa"],
        "odds": "{0}: il risolutore, vedendo tutte le carte, ha vinto {1} delle {2} partite di prova che ha deciso",
        "undecided": "; non è riuscito a decidere altre {0} partite in {1} secondi ciascuna",
        "undecided_one": "; non è riuscito a decidere un'altra partita in {1} secondi",
        "estimate": "{0} (una stima: il risolutore, vedendo tutte le carte, ha deciso solo {1} delle {2} "
                    "partite di prova in {3} secondi ciascuna, troppo poche per misurare la probabilità)",
        "estimate_none": "{0} (una stima: il risolutore, vedendo tutte le carte, non ha deciso nessuna delle "
                         "{2} partite di prova in {3} secondi ciascuna)",
        "contents_title": "Quilloro 98 - Guida",
        "contents_intro": "Quilloro 98 è una raccolta di solitari per un giocatore. Scegli qui sotto un gioco "
                          "per leggerne le regole, oppure continua a leggere per sapere come si muovono le "
                          "carte con il mouse.",
        "games_title": "I giochi", "windows_title": "Le finestre",
        "howto": [
            ("Giocare con il mouse", [
                "Premi il tasto sinistro su una carta scoperta e trascinala dove deve andare; rilascia il "
                "tasto per posarla. Dove le regole permettono di spostare più carte insieme, premi sulla più "
                "bassa: le carte sopra di essa la seguono.",
                "Una carta posata dove nessuna pila la accetta torna al suo posto.",
                "Fai clic su una carta coperta in cima a una pila per scoprirla.",
                "Fai clic sul mazzo per scoprire o distribuire carte, come dicono le regole del gioco; quando "
                "il mazzo è finito e il gioco permette un altro giro, fai clic sul mazzo vuoto.",
                "Fai doppio clic su una carta per mandarla a casa: va su una fondazione che la accetta.",
                "Tieni premuto il tasto destro su una carta scoperta ma coperta da altre per vederla intera.",
                "Nei giochi di coppie le carte si scelgono con un clic invece di trascinarle; la carta scelta "
                "viene segnata e una coppia o un gruppo completo lascia il tavolo da solo.",
            ]),
            ("Giocare con la tastiera", [
                "Ogni gioco si può giocare fino alla fine senza il mouse. I tasti freccia spostano una cornice "
                "gialla sul tavolo: in su e in giù lungo le carte di una pila a ventaglio, poi alla pila più vicina "
                "in quella direzione.",
                "Spazio o Invio fanno quello che farebbe un clic sulla carta incorniciata: prendono la carta (con "
                "quelle sopra, dove possono spostarsi insieme), scoprono una carta coperta, distribuiscono dal "
                "mazzo o scelgono la carta nei giochi di coppie e di selezione.",
                "Mentre le carte sono prese la cornice diventa arancione e le frecce le portano da una pila "
                "all'altra; Spazio o Invio le posano, Esc le rimette dove erano.",
                "Un clic del mouse nasconde la cornice; il primo tasto freccia la fa tornare.",
            ]),
            ("Aiuti durante il gioco", [
                "Partita > Suggerimento (H) cerca la mossa migliore e incornicia la carta e la pila dove deve "
                "andare; la barra di stato la dice a parole, oppure dice che nessuna mossa porta alla vittoria.",
                "Partita > Finisci per me gioca il resto della partita per te quando dalle carte sul tavolo si "
                "trova una vittoria; ogni mossa si può annullare e un clic o un tasto la ferma.",
                "Partita > Pausa (Ctrl+P) ferma l'orologio e nasconde le carte; un clic o un tasto fa continuare.",
                "La barra di stato mostra le carte rimaste nel mazzo e le ridistribuzioni rimaste. Strumenti > "
                "Opzioni può mostrarla, mostrare dopo ogni mossa se la partita si può ancora vincere e scoprire "
                "da sole le carte rimaste coperte.",
            ]),
            ("Comandi", [
                "Partita > Annulla (Ctrl+Z) ritira l'ultima mossa, tutte le volte che vuoi; Partita > "
                "Ripristina la rifà.",
                "File > Nuova partita (F2) distribuisce una nuova partita; File > Ricomincia la partita (Ctrl+F2) "
                "ridistribuisce le stesse carte.",
                "File > Apri una partita (Ctrl+F12) mostra il catalogo: i giochi divisi in cartelle per tipo, "
                "ciascuno con un'immagine, la durata, la difficoltà e la probabilità di vincere.",
                "File > Scegli una partita per numero (F3) distribuisce una partita dal suo numero, per rigiocare una "
                "distribuzione.",
                "Partita > Gioco automatico (F7) lascia al programma le carte che possono andare sulle fondazioni.",
                "Partita > Demo (Ctrl+D) mostra una partita registrata del gioco in corso.",
                "? > Regole (F1) apre le regole del gioco sul tavolo.",
            ]),
            ("Punteggio", ["Il punteggio parte da meno il numero delle carte in gioco e ogni carta che arriva su "
                           "una fondazione o sulla pila degli eliminati aggiunge 5 punti: una partita vinta con un mazzo "
                           "finisce a 208. Poker Square conta invece i punti delle sue combinazioni di poker."]),
        ],
    },
}
