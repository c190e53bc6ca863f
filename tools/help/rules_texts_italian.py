"""Le regole di ogni gioco in italiano, per indice del gioco: scopo, disposizione, gioco, mazzo, variante, consigli."""

SCALA_CON_CELLE = ("Una scala in sequenza si sposta tutta insieme quando non ha più carte delle celle libere più "
                   "le colonne vuote più una; una scala che va in una colonna vuota può averne una di meno.")
SCOPRI = "Una carta coperta rimasta in cima a una colonna si scopre con un clic."

TEXTS = {}

TEXTS[0] = dict(
    o="Costruire le quattro fondazioni in seme, dall'asso al re, finché vi si trovano tutte le 52 carte.",
    l="Si distribuiscono sette colonne, da sinistra a destra, di 1, 2, 3, 4, 5, 6 e 7 carte; solo l'ultima carta "
      "di ogni colonna è scoperta. Le 24 carte rimanenti formano il mazzo. Le quattro fondazioni sono vuote.",
    p=["Sulle colonne si scende a colori alterni: un 6 rosso su un 7 nero, un 6 nero su un 7 rosso.",
       "Una scala di carte scoperte che segue questa regola si può spostare tutta insieme.",
       "In una colonna vuota si può mettere solo un re, o una scala che comincia con un re.",
       SCOPRI,
       "Le fondazioni prendono prima l'asso, poi il 2, il 3 e così via dello stesso seme. Una carta si può "
       "riprendere da una fondazione e rimettere sulle colonne."],
    s="Un clic sul mazzo scopre una carta sugli scarti; la carta in cima agli scarti si può giocare. Quando il "
      "mazzo è finito, un clic lo rifà con gli scarti, tutte le volte che si vuole.",
    v="Klondike classico: una carta alla volta, giri del mazzo illimitati.",
    t=["Scopri le carte coperte il prima possibile: muovi dalla colonna che ne nasconde di più.",
       "Non svuotare una colonna se non hai un re pronto da metterci.",
       "Porta presto assi e due sulle fondazioni, ma trattieni le carte intermedie che servono ancora sulle colonne."],
)

TEXTS[1] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni, costruite in seme dall'asso al re.",
    l="Tutto il mazzo si distribuisce scoperto in otto colonne: le prime quattro di sette carte, le altre quattro "
      "di sei. Sopra ci sono quattro celle libere e quattro fondazioni. Non c'è mazzo da cui pescare.",
    p=["Sulle colonne si scende a colori alterni.",
       "Ogni cella libera contiene una carta qualsiasi; da lì la carta può tornare sulle colonne o andare su una "
       "fondazione.",
       "In una colonna vuota si può mettere qualsiasi carta o scala in sequenza.",
       SCALA_CON_CELLE,
       "Le carte sulle fondazioni vi restano."],
    v="FreeCell classico con quattro celle e otto colonne.",
    t=["Quasi ogni partita si può vincere: pensa bene prima di occupare l'ultima cella libera.",
       "Una colonna vuota vale più di una cella, perché accoglie un'intera scala.",
       "Libera per primi assi e due: spesso sono sepolti in fondo alle colonne."],
)

TEXTS[2] = dict(
    o="Ordinare le 104 carte sulle colonne in otto scale dal re all'asso, ciascuna di un solo seme; ogni scala "
      "completa lascia le colonne per una fondazione. Si vince quando colonne e mazzo sono vuoti.",
    l="Due mazzi. Dieci colonne: le prime quattro ricevono sei carte, le altre sei ne ricevono cinque; solo l'ultima "
      "carta di ogni colonna è scoperta. Le altre 50 carte formano il mazzo. Le otto fondazioni sono vuote.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Più carte si spostano insieme solo se formano una scala di un solo seme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Una scala completa di un seme dal re all'asso va su una fondazione; lì non si può giocare altro."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna, ma solo se nessuna colonna è vuota: "
      "riempi prima tutti i vuoti. Il mazzo non si rigira.",
    v="Spider a quattro semi con due mazzi: il più difficile degli Spider della raccolta.",
    t=["Quando puoi scegliere, costruisci in seme: le scale miste non si spostano tutte insieme.",
       "Una colonna vuota è preziosa: usala per riordinare le scale, non per parcheggiare una carta.",
       "Prima di distribuire dal mazzo, scopri quante più carte coperte puoi."],
)

TEXTS[3] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Come nel Klondike: sette colonne da 1 a 7 carte con l'ultima scoperta, 24 carte nel mazzo e quattro "
      "fondazioni vuote.",
    p=["Sulle colonne si scende a colori alterni, e le scale che seguono questa regola si spostano insieme.",
       "In una colonna vuota si può mettere solo un re, o una scala che comincia con un re.",
       SCOPRI,
       "Le fondazioni prendono prima l'asso, poi le carte seguenti dello stesso seme. Una carta si può "
       "riprendere da una fondazione."],
    s="Un clic sul mazzo scopre tre carte sugli scarti; si gioca solo quella in cima. Il mazzo si rifà con gli "
      "scarti senza limiti.",
    v="Klondike a tre carte alla volta, giri del mazzo illimitati.",
    t=["L'ordine del mazzo cambia solo quando giochi una carta dagli scarti: conta dove usciranno le carte che ti servono.",
       "A volte conviene giocare una carta degli scarti solo per far emergere carte nuove al giro successivo."],
)

TEXTS[4] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni.",
    l="Tredici carte formano la riserva, di cui è giocabile solo la carta in cima. Quattro colonne ricevono una "
      "carta ciascuna. Un'altra carta va scoperta sulla prima fondazione: il suo valore è quello di partenza di "
      "tutte le fondazioni. Le 34 carte rimanenti formano il mazzo.",
    p=["Le fondazioni salgono in seme dal valore di partenza e continuano dal re all'asso: partendo dal 7 una "
       "fondazione va 7, 8 ... re, asso ... 6. Una fondazione vuota prende solo una carta del valore di partenza.",
       "Sulle colonne si scende a colori alterni, continuando dall'asso al re; le scale si spostano insieme.",
       "Una colonna vuota si riempie subito con la carta in cima alla riserva. Finita la riserva, in una colonna "
       "vuota si può mettere a mano qualsiasi carta.",
       "Sulla riserva non si può mettere nulla. Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre tre carte sugli scarti; si gioca solo quella in cima. Il mazzo si rifà senza limiti.",
    v="Canfield classico: tre carte alla volta, giri del mazzo illimitati.",
    t=["Svuota prima la riserva: ogni sua carta giocata è una carta che altrimenti non raggiungeresti.",
       "Non affrettarti a portare sulle fondazioni le carte delle colonne che servono ancora ad accogliere la riserva."],
)

TEXTS[5] = dict(
    o="Portare tutte le carte delle colonne e del mazzo sulla pila degli eliminati.",
    l="Sette colonne di cinque carte, tutte scoperte. Una carta apre la pila degli eliminati; le altre 16 formano "
      "il mazzo. Non ci sono fondazioni.",
    p=["Fai clic sull'ultima carta di una colonna per giocarla sulla pila degli eliminati. Deve valere uno in più "
       "o uno in meno della carta in cima alla pila, di qualsiasi seme: su un 7 vanno un 6 o un 8.",
       "La sequenza non gira: l'asso non segue il re, né il re l'asso.",
       "Sulle colonne non si costruisce mai."],
    s="Un clic sul mazzo scopre la sua carta successiva sulla pila degli eliminati, che riparte da quella carta. "
      "Il mazzo si gira una volta sola.",
    v="Golf con sette colonne di cinque; sul re può andare la donna.",
    t=["Prima di cominciare cerca la catena più lunga: giocare prima le catene corte spesso blocca quelle lunghe.",
       "Tieni il mazzo per quando nessuna colonna offre una mossa."],
)

TEXTS[6] = dict(
    o="Eliminare tutte le carte della piramide, del mazzo e degli scarti: i re da soli, le altre in coppie che "
      "sommano 13.",
    l="Ventotto carte si distribuiscono scoperte in una piramide di sette file, ciascuna in parte sopra la fila "
      "precedente. Le altre 24 carte formano il mazzo.",
    p=["Una carta è libera quando nessuna carta della fila sotto la copre. All'inizio sono libere le carte "
       "dell'ultima fila.",
       "Fai clic su un re libero per eliminarlo da solo.",
       "Fai clic su due carte libere la cui somma è 13 per eliminarle insieme: asso e donna, 2 e fante, 3 e 10, "
       "4 e 9, 5 e 8, 6 e 7. Il fante vale 11, la donna 12, il re 13.",
       "Anche la carta in cima agli scarti è libera. Per accoppiare una carta con quella in cima al mazzo, fai "
       "clic prima sulla carta e poi sul mazzo.",
       "Un nuovo clic su una carta scelta annulla la scelta. Le carte eliminate vanno sulla pila degli eliminati."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare tre volte in tutto.",
    v="Piramide con tre giri del mazzo; anche mazzo e scarti vanno svuotati.",
    t=["Prima di eliminare una coppia, controlla di non lasciare sepolta la carta che serve a un'altra coppia.",
       "Lavora su entrambi i lati della piramide: le carte in alto si liberano da due parti."],
)

TEXTS[7] = dict(
    o="Eliminare tutte le 52 carte in coppie dello stesso valore.",
    l="Venticinque carte si distribuiscono scoperte in una griglia di cinque file da cinque. Le altre 27 formano il mazzo.",
    p=["Fai clic su due carte dello stesso valore che si toccano: vicine nella stessa fila, una sopra l'altra "
       "nella stessa colonna o in diagonale. Vengono eliminate insieme.",
       "Carte che non si toccano non si possono accoppiare, nemmeno se tra loro non c'è nulla.",
       "Un nuovo clic su una carta scelta annulla la scelta."],
    s="Un clic sul mazzo ricompatta la griglia: le carte rimaste avanzano nell'ordine di lettura, da sinistra a "
      "destra e dall'alto in basso, e i posti rimasti liberi in fondo si riempiono dal mazzo.",
    v="Montecarlo con le coppie in diagonale ammesse e i vuoti chiusi su richiesta.",
    t=["Prima di chiudere i vuoti prendi tutte le coppie possibili: la chiusura allontana le carte dalle vicine.",
       "Potendo scegliere, prendi la coppia che, a griglia ricompattata, avvicina altre coppie."],
)

TEXTS[8] = dict(
    o="Disporre 25 carte in una griglia di cinque per cinque in modo che le cinque righe e le cinque colonne "
      "formino le migliori combinazioni di poker.",
    l="La griglia di 25 posti è vuota. Si usano solo 25 carte del mazzo, che stanno nel mazzo da pescare; le "
      "altre 27 restano fuori gioco.",
    p=["Fai clic sul mazzo per scoprire una carta sugli scarti, poi trascinala in un posto vuoto della griglia.",
       "Una carta messa nella griglia non si sposta più.",
       "Quando una riga o una colonna è completa, viene valutata come mano di poker e la combinazione viene annunciata."],
    s="Si scopre una carta alla volta; il mazzo si gira una volta sola.",
    score="Scala reale 100 punti, scala colore 75, poker 50, full 25, colore 20, scala 15, tris 10, doppia coppia 5, "
          "coppia 2. Nella scala l'asso vale anche come carta più alta, con 10, fante, donna e re. La partita è "
          "vinta quando la griglia completa fa almeno 100 punti.",
    v="Poker Square con il punteggio inglese; una carta scoperta può aspettare sugli scarti mentre si scopre la successiva.",
    t=["Dai a ogni riga uno scopo (per esempio il colore in un seme) e usa le colonne per coppie e tris.",
       "Tieni una riga o una colonna come deposito per le carte che non stanno altrove."],
)

TEXTS[9] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Sette colonne di 1, 6, 7, 8, 9, 10 e 11 carte. La carta della prima colonna e le ultime cinque carte di "
      "ogni altra colonna sono scoperte. Non c'è mazzo.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso.",
       "Qualsiasi carta scoperta si può spostare con tutte le carte che ha sopra, in sequenza o no; deve "
       "adattarsi solo la carta che prendi, quella sotto tutte le altre del gruppo.",
       "In una colonna vuota si può mettere solo un re, con tutto quello che ha sopra.",
       SCOPRI,
       "Una carta si può riprendere da una fondazione."],
    v="Yukon classico.",
    t=["Spostare un grosso gruppo per scoprire una carta coperta è spesso la mossa decisiva.",
       "I re con molte carte sopra conviene spostarli presto in una colonna vuota."],
)

TEXTS[10] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Come nello Yukon: sette colonne di 1, 6, 7, 8, 9, 10 e 11 carte, scoperte la carta della prima colonna e "
      "le ultime cinque delle altre. Non c'è mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Qualsiasi carta scoperta si può spostare con tutte le carte che ha sopra, in sequenza o no.",
       "In una colonna vuota si può mettere solo un re, con tutto quello che ha sopra.",
       SCOPRI,
       "Una carta si può riprendere da una fondazione."],
    v="Yukon con costruzione in seme.",
    t=["Costruire in seme lascia poche scelte: guarda lontano prima di spostare un grosso gruppo.",
       "Scoprire presto le carte basse di ogni seme fa avanzare le fondazioni."],
)

TEXTS[11] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Tredici colonne di quattro carte, tutte scoperte. Non c'è mazzo.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Si sposta una carta alla volta.",
       "Una colonna vuota resta vuota: non vi si può mettere nessuna carta.",
       "Le carte sulle fondazioni vi restano."],
    v="Baker's Dozen senza spostare i re in fondo alle colonne durante la distribuzione.",
    t=["Un re sopra carte più basse del suo seme va liberato sgombrando le carte vicine: pensaci subito.",
       "Libera prima gli assi, poi fai avanzare tutti i semi in modo uniforme."],
)

TEXTS[12] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re, con tutte le 104 carte.",
    l="Due mazzi. Dieci colonne di quattro carte, tutte scoperte. Le altre 64 carte formano il mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Si sposta una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Forty Thieves classico: una carta alla volta, nessun nuovo giro.",
    t=["Una colonna vuota è la cosa più preziosa di questo gioco: non riempirla senza motivo.",
       "Gioca dagli scarti solo se non copri una carta che ti serve sulle colonne."],
)

TEXTS[13] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re.",
    l="Due mazzi. Otto colonne di tre carte, con l'ultima scoperta. Le altre 80 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso; le scale in sequenza si spostano insieme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna. Non ci sono scarti né nuovi giri.",
    v="Gypsy con otto colonne di tre e scale che si spostano insieme.",
    t=["Scopri le carte coperte prima di distribuire: ogni distribuzione ricopre tutte le colonne.",
       "Tieni lunghe scale a colori alterni: si spostano ovunque in un colpo solo."],
)

TEXTS[14] = dict(
    o="Ordinare le carte in quattro scale dal re all'asso, ciascuna di un solo seme; ogni scala completa lascia "
      "le colonne per una fondazione.",
    l="Sette colonne di sette carte. Nelle prime quattro colonne le tre carte in fondo sono coperte; tutte le "
      "altre sono scoperte. Le ultime tre carte restano nel mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Qualsiasi carta scoperta si può spostare con tutte le carte che ha sopra, in sequenza o no.",
       "In una colonna vuota si può mettere solo un re, con tutto quello che ha sopra.",
       SCOPRI,
       "Una scala completa di un seme dal re all'asso va su una fondazione."],
    s="Un clic sul mazzo distribuisce le sue tre carte, una su ciascuna delle prime tre colonne.",
    v="Scorpione con tre carte coperte in ciascuna delle prime quattro colonne.",
    t=["Libera prima le carte coperte: sono tutte nelle prime quattro colonne.",
       "Tieni il mazzo per quando le prime tre colonne possono ricevere le sue carte senza danno."],
)

TEXTS[15] = dict(
    o="Ordinare le carte in quattro scale dal re all'asso, ciascuna di un solo seme; ogni scala completa lascia "
      "le colonne per una fondazione.",
    l="Un mazzo. Sette colonne da 1 a 7 carte con l'ultima scoperta, come nel Klondike. Le altre 24 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Più carte si spostano insieme solo se formano una scala di un solo seme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Una scala completa di un seme dal re all'asso va su una fondazione."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna, ma solo se nessuna colonna è vuota. "
      "Il mazzo non si rigira.",
    v="Spiderette: lo Spider con un solo mazzo e quattro semi.",
    t=["Con sole sette colonne una colonna vuota è rara: usala bene.",
       "Costruisci in seme quando puoi; le scale miste bloccano le colonne."],
)

TEXTS[16] = dict(
    o="Ordinare le 104 carte in otto scale dal re all'asso; ogni scala completa lascia le colonne per una "
      "fondazione. Si vince quando colonne e mazzo sono vuoti.",
    l="Due mazzi. Dieci colonne: le prime quattro ricevono sei carte, le altre sei ne ricevono cinque; solo "
      "l'ultima è scoperta. Le altre 50 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Qualsiasi scala in sequenza, di qualunque seme, si sposta tutta insieme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Una scala completa dal re all'asso, di qualsiasi seme, va su una fondazione."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna, ma solo se nessuna colonna è vuota. "
      "Il mazzo non si rigira.",
    v="Spider giocato come se tutte le carte fossero dello stesso seme: i semi non contano.",
    t=["Un buon gioco per imparare lo Spider: concentrati sulle carte coperte.",
       "Tieni lunghe le scale; una scala dal re all'asso lascia il tavolo da sola."],
)

TEXTS[17] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Sette colonne di tre carte, con l'ultima scoperta. Le altre 31 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso; le scale in sequenza si spostano insieme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna. Non ci sono scarti né nuovi giri.",
    v="Easthaven con sette colonne di tre.",
    t=["Prima di ogni distribuzione riempi le colonne vuote con scale lunghe, così le nuove carte non le seppelliscono.",
       "Scopri tutte le carte coperte che puoi raggiungere prima di distribuire."],
)

TEXTS[18] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Dieci colonne di tre carte, con l'ultima scoperta. Le altre 22 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso; le scale in sequenza si spostano insieme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Westcliff con dieci colonne di tre e un solo giro del mazzo.",
    t=["Con dieci colonne le carte coperte si liberano presto; la parte difficile è il mazzo.",
       "Tieni una colonna vuota per le carte degli scarti che altrimenti bloccherebbero."],
)

TEXTS[19] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Come nel Klondike: sette colonne da 1 a 7 carte con l'ultima scoperta; 24 carte nel mazzo.",
    p=["Una carta va su una carta di valore superiore di uno di un altro seme: un 6 di cuori su ogni 7 tranne il 7 di cuori.",
       "Le scale che seguono questa regola si spostano insieme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       SCOPRI,
       "Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Thumb and Pouch: si costruisce in ogni seme tranne il proprio, un solo giro del mazzo.",
    t=["La regola di costruzione è generosa; è l'unico giro del mazzo a rendere difficile il gioco.",
       "Usa liberamente le colonne vuote: qualsiasi carta può riempirle."],
)

TEXTS[20] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Dieci colonne di cinque carte, tutte scoperte. Le ultime due carte vanno in due delle quattro celle libere. "
      "Non c'è mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Ogni cella contiene una carta qualsiasi.",
       "In una colonna vuota si può mettere solo un re, o una scala che comincia con un re.",
       SCALA_CON_CELLE,
       "Le carte sulle fondazioni vi restano."],
    v="Seahaven Towers con due celle occupate alla distribuzione.",
    t=["Appena puoi, svuota le due celle occupate.",
       "I re in basso in una colonna bloccano tutto ciò che hanno sopra: prepara colonne vuote per loro."],
)

TEXTS[21] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Diciassette ventagli di tre carte e un ventaglio di una sola carta, tutte scoperte. Non c'è mazzo.",
    p=["L'ultima carta di un ventaglio può andare sull'ultima carta di un altro ventaglio, di valore superiore "
       "di uno e dello stesso seme.",
       "Si sposta una carta alla volta.",
       "In un posto vuoto si può mettere solo un re.",
       "Le carte sulle fondazioni vi restano."],
    v="Ventaglio (Fan) senza nuove distribuzioni.",
    t=["Un re sopra una carta più bassa del suo seme si libera solo con un posto vuoto: liberane uno presto.",
       "Prima di cominciare guarda le carte sotto ogni ventaglio; alcune partite richiedono un ordine preciso."],
)

TEXTS[22] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Diciassette ventagli di tre carte e un ventaglio di una sola carta, tutte scoperte. Non c'è mazzo.",
    p=["L'ultima carta di un ventaglio può andare sull'ultima carta di un altro ventaglio che vale uno in più o "
       "uno in meno, di qualsiasi seme.",
       "Un ventaglio non può mai avere più di tre carte: si gioca solo su ventagli di una o due carte.",
       "Un posto vuoto non si riempie mai.",
       "Le carte sulle fondazioni vi restano."],
    v="Shamrocks senza spostare i re alla distribuzione.",
    t=["Gli spostamenti tra ventagli servono soprattutto a liberare le carte sotto; ogni carta deve finire su una fondazione.",
       "Un ventaglio di una carta ne accoglie altre due: tienilo per le carte da togliere di mezzo."],
)

TEXTS[23] = dict(
    o="Portare tutte le 52 carte nel buco nero.",
    l="L'asso di picche apre la pila degli eliminati, il buco nero. Le altre 51 carte si distribuiscono scoperte "
      "in diciassette ventagli di tre. Non c'è mazzo.",
    p=["Fai clic sull'ultima carta di un ventaglio per giocarla nel buco nero. Deve valere uno in più o uno in "
       "meno della carta in cima al buco, di qualsiasi seme.",
       "La sequenza gira: il re può seguire l'asso e l'asso il re.",
       "Sui ventagli non si costruisce mai."],
    v="Buco Nero come si gioca di solito, con re e asso che si seguono.",
    t=["Progetta catene lunghe: conta quante carte di ogni valore sono ancora scoperte.",
       "Svuota i ventagli le cui carte sotto serviranno più avanti, perché non restino sepolte alla fine."],
)

TEXTS[24] = dict(
    o="Portare tutte le carte sulle otto fondazioni.",
    l="I quattro assi vanno sulle prime quattro fondazioni. Le altre 48 carte stanno scoperte in tredici colonne: "
      "quattro di tre carte e nove di quattro. Le altre quattro fondazioni sono vuote. Non c'è mazzo.",
    p=["Le fondazioni degli assi salgono in seme.",
       "Le altre quattro fondazioni prendono prima un re e poi scendono in seme. Le due fondazioni di un seme "
       "possono incontrarsi in qualsiasi punto.",
       "L'ultima carta di una colonna può andare sull'ultima carta di un'altra colonna di valore superiore di uno "
       "e dello stesso seme.",
       "Si sposta una carta alla volta e una colonna vuota non si riempie mai.",
       "Le carte sulle fondazioni vi restano."],
    v="Bisley in cui le colonne scendono soltanto; le carte che una fondazione degli assi accetta subito dopo "
      "la distribuzione ci vanno da sole.",
    t=["Decidi presto, per ogni seme, se le carte di mezzo andranno sulla fondazione dell'asso o su quella del re.",
       "Libera i re: finché una fondazione del re non è aperta, metà di ogni seme non ha dove andare."],
)

TEXTS[25] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni.",
    l="Tredici carte formano la riserva, di cui è giocabile solo la carta in cima. Quattro colonne ricevono una "
      "carta ciascuna. Una carta va scoperta sulla prima fondazione; il suo valore apre tutte le fondazioni. Le "
      "altre 34 carte formano il mazzo.",
    p=["Le fondazioni salgono in seme dal valore di partenza, continuando dal re all'asso.",
       "Sulle colonne si scende in qualsiasi seme, continuando dall'asso al re; le scale si spostano insieme.",
       "Una colonna vuota si riempie subito con la carta in cima alla riserva; finita la riserva, qualsiasi carta "
       "può riempirla a mano.",
       "Sulla riserva non si può mettere nulla. Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare tre volte in tutto.",
    v="Rainbow: Canfield con una carta alla volta, tre giri e costruzione in qualsiasi seme.",
    t=["Sfrutta la costruzione libera per scavare presto nella riserva.",
       "Conta i giri: all'ultimo gioca ogni carta utile degli scarti."],
)

TEXTS[26] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni.",
    l="Quattro ventagli di riserva di tre carte e quattro colonne di una carta, tutte scoperte. Una carta va "
      "scoperta sulla prima fondazione; il suo valore apre tutte le fondazioni. Le altre 35 carte formano il mazzo.",
    p=["Le fondazioni salgono in seme dal valore di partenza, continuando dal re all'asso.",
       "Sulle colonne si scende a colori alterni, continuando dall'asso al re; le scale si spostano insieme.",
       "La carta in cima a ogni ventaglio di riserva si può giocare, ma sui ventagli non si mette nulla.",
       "In una colonna vuota si può mettere qualsiasi carta; di solito conviene una carta della riserva.",
       "Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare due volte in tutto.",
    v="Duchessa con la prima carta di fondazione distribuita, non scelta dai ventagli; un nuovo giro.",
    t=["Svuota prima i ventagli di riserva: il mazzo ripassa, i ventagli no.",
       "Tieni libera una colonna per una carta della riserva che ne blocca un'altra."],
)

TEXTS[27] = dict(
    o="Ordinare le carte in quattro scale dal re all'asso, ciascuna di un solo seme; ogni scala completa lascia "
      "le colonne per una fondazione.",
    l="Tutto il mazzo si distribuisce scoperto in dieci colonne di 8, 8, 8, 7, 6, 5, 4, 3, 2 e 1 carte. Non c'è mazzo.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Più carte si spostano insieme solo se formano una scala di un solo seme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       "Una scala completa di un seme dal re all'asso va su una fondazione."],
    v="Simple Simon come si gioca di solito.",
    t=["Ordina per seme appena puoi: le scale miste si smontano solo carta per carta.",
       "Svuota prima le colonne corte a destra; le colonne vuote sono la chiave del gioco."],
)

TEXTS[28] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni.",
    l="Sette colonne da 1 a 7 carte con l'ultima scoperta, come nel Klondike, e una fila di sette riserve di una "
      "carta scoperta. Una carta va scoperta sulla prima fondazione; il suo valore apre tutte le fondazioni. Le "
      "altre 16 carte formano il mazzo.",
    p=["Le fondazioni salgono in seme dal valore di partenza, continuando dal re all'asso.",
       "Sulle colonne si scende a colori alterni, continuando dall'asso al re; le scale si spostano insieme.",
       "Una colonna vuota prende solo una carta di valore inferiore di uno a quello di partenza, o una scala che "
       "comincia con essa.",
       "Le carte delle riserve si giocano sulle colonne o sulle fondazioni, ma sulle riserve non si mette nulla.",
       SCOPRI],
    s="Un clic sul mazzo distribuisce una carta su ogni riserva. Il mazzo non si rigira.",
    v="Agnes Bernauer come si gioca di solito, con le riserve distribuite dal mazzo.",
    t=["Gioca le carte delle riserve prima che la distribuzione successiva le copra.",
       "Le carte di valore inferiore di uno a quello di partenza sono i re di questo gioco: tienile d'occhio."],
)

TEXTS[29] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Sette colonne da 1 a 7 carte, come nel Klondike, ma tutte scoperte. Le altre 24 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno dello stesso colore: cuori su quadri o cuori, fiori "
       "su picche o fiori.",
       "Più carte si spostano insieme solo se formano una scala di un solo seme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       "Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Whitehead con un solo giro del mazzo.",
    t=["Preferisci costruire in seme piuttosto che in colore: solo le scale dello stesso seme si spostano insieme.",
       "Tutte le carte sono visibili fin dall'inizio: pianifica la partita prima della prima mossa."],
)

TEXTS[30] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Tutto il mazzo si distribuisce scoperto in dieci colonne di 1, 2, 3, 4, 5, 6, 7, 8, 8 e 8 carte. Non c'è mazzo.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso.",
       "Si sposta una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    v="Somerset come si gioca di solito.",
    t=["Spostare una carta alla volta è lento: una colonna vuota permette di spostare due carte di una scala.",
       "Le colonne corte a sinistra si svuotano per prime."],
)

TEXTS[31] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re.",
    l="Due mazzi. Nove colonne da 1 a 9 carte con l'ultima scoperta. Le altre 59 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso; le scale in sequenza si spostano insieme.",
       "In una colonna vuota si può mettere solo un re, o una scala che comincia con un re.",
       SCOPRI,
       "Una carta si può riprendere da una fondazione."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare due volte in tutto.",
    v="Gargantua, il Klondike a due mazzi, con un nuovo giro.",
    t=["Di ogni carta ce ne sono due: quando una è irraggiungibile, cerca la gemella.",
       "Come nel Klondike, non svuotare una colonna senza un re da metterci."],
)

TEXTS[32] = dict(
    o="Portare tutte le 104 carte sulle otto fondazioni.",
    l="Due mazzi. Undici carte si dispongono scoperte a ventaglio come terrazza, una riserva di cui è giocabile "
      "la carta in cima. Nove colonne ricevono una carta ciascuna. Una carta va scoperta sulla prima fondazione; "
      "il suo valore apre tutte le fondazioni. Le altre 83 carte formano il mazzo.",
    p=["Le fondazioni salgono a colori alterni dal valore di partenza, continuando dal re all'asso.",
       "Sulle colonne si scende a colori alterni, una carta alla volta.",
       "Una colonna vuota si riempie subito con la carta in cima agli scarti, o in cima al mazzo se gli scarti "
       "sono vuoti.",
       "La carta in cima alla terrazza si può giocare, ma sulla terrazza non si mette nulla.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Terrazza con la prima carta di fondazione distribuita, non scelta dal giocatore.",
    t=["La terrazza è la parte difficile: gioca le sue carte ogni volta che una fondazione o una colonna le accetta.",
       "Non svuotare una colonna alla leggera: la carta che la riempie arriva dagli scarti, che ti piaccia o no."],
)

TEXTS[33] = dict(
    o="Costruire le quattro fondazioni dall'asso al re, senza badare al seme.",
    l="Tutte le 52 carte stanno nel mazzo. Sotto le fondazioni ci sono quattro pile di scarto vuote.",
    p=["Fai clic sul mazzo per scoprire una carta; poi giocala su una fondazione o mettila su una delle quattro "
       "pile di scarto.",
       "Una fondazione prende prima un asso e poi una carta di valore superiore di uno di qualsiasi seme.",
       "La carta in cima a una pila di scarto si gioca solo su una fondazione, mai su un'altra pila.",
       "Le carte sulle fondazioni vi restano."],
    s="Si scopre una carta alla volta e il mazzo si gira una volta sola.",
    v="Sir Tommy in cui una carta scoperta può aspettare sugli scarti prima di essere sistemata.",
    t=["Tieni una pila per re e donne, che vanno sulle fondazioni per ultimi.",
       "Quando puoi evitarlo, non mettere una carta su una più bassa nella stessa pila."],
)

TEXTS[34] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Sedici carte si dispongono scoperte a ventaglio come cantina, una riserva di cui è giocabile la carta in "
      "cima; gli assi che vi si trovano vanno sulle fondazioni alla distribuzione. Sei colonne di due carte hanno l'ultima scoperta. Le altre 24 carte formano il mazzo.",
    p=["Sulle colonne si scende a colori alterni; le scale in sequenza si spostano insieme.",
       "Una colonna vuota si riempie subito con la carta in cima alla cantina; finita la cantina, qualsiasi carta "
       "può riempirla a mano.",
       "Sulla cantina non si mette nulla.",
       SCOPRI,
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare due volte in tutto.",
    v="Ace Cellar, un gioco nostro della famiglia del Canfield.",
    t=["La cantina alimenta le colonne vuote: svuota una colonna quando la carta in cima alla cantina ti serve in gioco.",
       "Usa il secondo giro per recuperare le carte che hai dovuto saltare."],
)

TEXTS[35] = dict(
    o="Eliminare tutte le 52 carte in gruppi che sommano 15, e i dieci e le figure a quattro a quattro.",
    l="Sedici carte si distribuiscono scoperte in una griglia di quattro per quattro. Le altre 36 formano il mazzo.",
    p=["Fai clic sulle carte per sceglierle; un nuovo clic su una carta scelta la toglie dalla scelta.",
       "Carte dall'asso al 9 che sommano esattamente 15 si eliminano insieme, due o più (l'asso vale 1).",
       "Quattro dieci, quattro fanti, quattro donne o quattro re si eliminano insieme.",
       "Un dieci o una figura non si può mescolare con carte di altro valore.",
       "Ogni vuoto si riempie subito dal mazzo."],
    v="Quindici con un numero qualsiasi di carte nel gruppo da 15.",
    t=["Elimina dieci e figure appena ne vedi quattro dello stesso valore: intasano la griglia.",
       "Quando puoi, usa molte carte piccole in un solo gruppo; più avanti sono difficili da sistemare."],
)

TEXTS[36] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni.",
    l="Cinque colonne di una carta formano una croce; una carta va scoperta sulla prima fondazione, in un angolo, "
      "e il suo valore apre tutte le fondazioni. Le altre 46 carte formano il mazzo.",
    p=["Le fondazioni salgono in seme dal valore di partenza, continuando dal re all'asso.",
       "Sulle colonne si scende in qualsiasi seme, continuando dall'asso al re, una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Quattro Stagioni (Corner Card) con un solo giro del mazzo.",
    t=["Tieni almeno una colonna vuota per una carta degli scarti da salvare.",
       "Costruisci lunghe scale sulle colonne, così più tardi le carte escono in ordine."],
)

TEXTS[37] = dict(
    o="Portare tutte le carte delle colonne e del mazzo sulla pila degli eliminati.",
    l="Otto colonne di quattro carte, tutte scoperte, disposte a scala. Una carta apre la pila degli eliminati; "
      "le altre 19 formano il mazzo. Non ci sono fondazioni.",
    p=["Fai clic sull'ultima carta di una colonna per giocarla sulla pila degli eliminati. Deve valere uno in più "
       "o uno in meno della carta in cima alla pila, di qualsiasi seme.",
       "La sequenza gira: l'asso può seguire il re e il re l'asso.",
       "Sulle colonne non si costruisce mai."],
    s="Un clic sul mazzo scopre la sua carta successiva sulla pila degli eliminati. Il mazzo si gira una volta sola.",
    v="Putt Putt (il Golf che gira tra re e asso) con otto colonne di quattro.",
    t=["Poiché i valori girano, le catene lunghe sono frequenti: cerca la più lunga.",
       "Tieni il mazzo per quando nessuna colonna può giocare."],
)

TEXTS[38] = dict(
    o="Portare tutte le 52 carte sulle quattro fondazioni.",
    l="Quattro colonne di quattro carte, con l'ultima scoperta. Una carta va scoperta sulla prima fondazione; il "
      "suo valore apre tutte le fondazioni. Le altre 35 carte formano il mazzo.",
    p=["La prima fondazione prende qualsiasi carta del proprio seme, in qualsiasi ordine.",
       "Ogni altra fondazione si apre con una carta del valore di partenza e poi prende le carte del seme di quella "
       "carta, in qualsiasi ordine.",
       "Una carta può andare sulla seconda, terza o quarta fondazione solo se la fondazione precedente ha già una "
       "carta dello stesso valore.",
       "Sulle colonne non si costruisce; si giocano solo le loro ultime carte e la carta in cima agli scarti.",
       SCOPRI],
    s="Un clic sul mazzo scopre tre carte sugli scarti; si gioca solo quella in cima. Il mazzo si rifà senza limiti.",
    v="Osmosi (Treasure Trove) con tre carte alla volta e giri del mazzo illimitati.",
    t=["Tutto dipende dalla prima fondazione: alimentala il più in fretta possibile.",
       "Apri le altre fondazioni appena compare una carta del valore di partenza."],
)

TEXTS[39] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re.",
    l="Due mazzi. Dodici colonne di una carta scoperta. Le altre 92 carte formano il mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Si sposta una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Busy Aces come si gioca di solito.",
    t=["Dodici colonne danno spazio: usale per tenere in gioco le carte degli scarti invece di seppellirle.",
       "Le colonne vuote si riempiono facilmente: non aver paura di usarle."],
)

TEXTS[40] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="I quattro assi aprono le fondazioni. Dodici colonne ricevono una carta scoperta ciascuna. Le altre 36 "
      "carte formano il mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Si sposta una carta alla volta.",
       "Una colonna vuota si riempie subito con la carta in cima agli scarti, o in cima al mazzo se gli scarti sono vuoti.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Fortune's Favor; subito dopo la distribuzione ogni carta accettata da una fondazione ci va da sola, anche "
      "da sotto altre carte.",
    t=["Le colonne vuote si riempiono da sole: svuota una colonna quando la carta degli scarti è una che vuoi tenere.",
       "Le lunghe scale in seme sono sicure: vanno sulle fondazioni tutte insieme."],
)

TEXTS[41] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="I quattro assi aprono le fondazioni. Venti carte si distribuiscono scoperte come tappeto, quattro file di "
      "cinque. Le altre 28 carte formano il mazzo.",
    p=["Sul tappeto non si costruisce: le sue carte vanno solo sulle fondazioni, come la carta in cima agli scarti.",
       "Ogni vuoto del tappeto si riempie subito con la carta in cima agli scarti, o in cima al mazzo se gli scarti "
       "sono vuoti.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Tappeto; subito dopo la distribuzione ogni carta accettata da una fondazione ci va da sola.",
    t=["L'unica scelta è quale carta giocare quando due possono salire: preferisci quella del tappeto, che porta "
       "in gioco una carta nuova.",
       "Guarda i semi sulle fondazioni: un seme bloccato riempie il tappeto delle sue carte."],
)

TEXTS[42] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re.",
    l="Due mazzi. Otto colonne di quattro carte scoperte, disposte in due file di quattro. Le altre 72 carte formano il mazzo.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Si sposta una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti; il mazzo si gira una volta sola.",
    v="Diplomatico con un solo giro del mazzo.",
    t=["Costruire in qualsiasi seme è facile, ma si sposta una carta alla volta: tieni le scale corte e utili.",
       "Una colonna vuota permette di spostare una scala di due carte: tienine una per questo."],
)

TEXTS[43] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Otto colonne di sei carte, tutte scoperte. Le ultime quattro carte vanno in quattro delle otto celle "
      "libere. Non c'è mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "Ogni cella contiene una carta qualsiasi.",
       "In una colonna vuota si può mettere solo un re, o una scala che comincia con un re.",
       SCALA_CON_CELLE,
       "Le carte sulle fondazioni vi restano."],
    v="Eight Off con quattro delle otto celle occupate alla distribuzione.",
    t=["Otto celle sembrano tante, ma si riempiono in fretta: svuota quelle occupate dalla distribuzione.",
       "Un re in fondo a una colonna è un regalo; un re in alto deve andare in una colonna vuota."],
)

TEXTS[44] = dict(
    o="Portare le quaranta carte delle colonne sulle dodici fondazioni dell'orologio.",
    l="Dodici carte formano il quadrante di un orologio: il 2 di cuori, il 3 di picche, il 4 di quadri, il 5 di "
      "fiori, il 6 di cuori, il 7 di picche, l'8 di quadri, il 9 di fiori, il 10 di cuori, il fante di picche, la "
      "donna di quadri e il re di fiori, ciascuna all'ora in cui finirebbe la sua fondazione. Le altre quaranta carte stanno "
      "scoperte in quattro colonne di dieci. Non c'è mazzo.",
    p=["Ogni fondazione sale in seme dalla sua carta, continuando dal re all'asso.",
       "Sulle colonne una carta va su una carta di valore superiore di uno, di qualsiasi seme, e un re va su un "
       "asso. Su un 10 non si può mettere nulla: è il valore della carta posta all'una.",
       "Qualsiasi carta scoperta si può spostare con tutte le carte che ha sopra, come nello Yukon, in sequenza "
       "o no; deve adattarsi solo la carta che prendi, quella sotto tutte le altre del gruppo.",
       "In una colonna vuota si può mettere qualsiasi carta, con tutto quello che ha sopra.",
       "Le carte sulle fondazioni vi restano."],
    v="L'Orologio del Nonno con quattro colonne di dieci invece di otto di cinque; una fondazione non si ferma "
      "alla sua ora e i gruppi di carte si spostano come nello Yukon.",
    t=["Quasi tutte le partite si vincono: libera prima le carte basse di ogni seme.",
       "Usa la costruzione in qualsiasi seme per raggruppare le carte secondo la fondazione dove andranno.",
       "Spostando un gruppo si libera in una sola mossa una carta sepolta: cerca queste mosse prima di spostare "
       "le carte una a una."],
)

TEXTS[45] = dict(
    o="Giocare tutte le carte del mazzo sulle dodici fondazioni.",
    l="Tutte le 52 carte stanno nel mazzo. Le fondazioni sono dodici: quattro che si aprono con un 6, quattro che "
      "si aprono con un 5 e, al centro, quattro posti per le donne.",
    p=["Un 6 apre ciascuna delle prime quattro fondazioni, che poi salgono in seme: 7, 8, 9 e oltre.",
       "Un 5 apre ciascuna delle quattro successive, che scendono in seme: 4, 3, 2, asso e oltre fino al re.",
       "I quattro posti centrali prendono soltanto una donna ciascuno.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti, la cui carta in cima si può giocare. Il mazzo si può "
      "girare tre volte in tutto.",
    v="Quadriglia (Captive Queens) in cui una fondazione non si ferma al fante o al re, e le donne si mettono al "
      "centro a mano.",
    t=["Metti le donne al centro: una donna giocata su un fante blocca il seme di quella fondazione.",
       "Sfrutta i tre giri perché l'ordine degli scarti lavori per te; annota le carte che escono tardi."],
)

TEXTS[46] = dict(
    o="Eliminare tutte le 52 carte: i re da soli, le altre in coppie che sommano 13.",
    l="Dieci carte si distribuiscono scoperte in due file di cinque. Le altre 42 formano il mazzo.",
    p=["Fai clic su un re per eliminarlo.",
       "Fai clic su due carte la cui somma è 13 per eliminarle insieme: asso e donna, 2 e fante, 3 e 10, 4 e 9, 5 e 8, 6 e 7.",
       "Un nuovo clic su una carta scelta la toglie dalla scelta.",
       "Ogni vuoto si riempie subito dal mazzo."],
    v="Tredici (Baroness) con una fila di dieci carte.",
    t=["Le scelte sono poche: quando ce ne sono, prendi la coppia i cui valori sono rari sul tavolo.",
       "Conta le carte ancora da uscire di ogni valore per capire se la partita si può ancora vincere."],
)

TEXTS[47] = dict(
    o="Costruire tutte e quattro le fondazioni fino al re, ciascuna contando con il proprio intervallo.",
    l="Un asso, un 2, un 3 e un 4 aprono le quattro fondazioni. Le altre 48 carte stanno nel mazzo. Sotto le "
      "fondazioni ci sono quattro pile di scarto vuote.",
    p=["La prima fondazione sale di uno (A, 2, 3 ... K), la seconda di due (2, 4, 6, 8, 10, Q, A, 3, 5, 7, 9, J, K), "
       "la terza di tre (3, 6, 9, Q, 2, 5, 8, J, A, 4, 7, 10, K) e la quarta di quattro (4, 8, Q, 3, 7, J, 2, 6, "
       "10, A, 5, 9, K). I semi non contano.",
       "Sopra ogni fondazione è indicato il valore che le serve.",
       "Fai clic sul mazzo per scoprire una carta; poi giocala su una fondazione o mettila su una pila di scarto.",
       "La carta in cima a una pila di scarto va solo su una fondazione, mai su un'altra pila."],
    s="Si scopre una carta alla volta e il mazzo si gira una volta sola.",
    v="Calcolo (Broken Intervals); le carte iniziali sono l'asso di cuori, il 2 di quadri, il 3 di fiori e il 4 di picche.",
    t=["Dai uno scopo a ogni pila di scarto: per esempio tieni i re su una pila, perché ogni fondazione finisce con un re.",
       "Costruisci le pile di scarto scendendo con l'intervallo della fondazione che alimenteranno, così si "
       "scaricano in ordine."],
)

TEXTS[48] = dict(
    o="Costruire le quattro fondazioni in seme dal valore di partenza.",
    l="Una carta va scoperta sulla prima fondazione; il suo valore apre tutte le fondazioni. Le altre 51 carte "
      "stanno scoperte in sette colonne, la prima di nove carte e le altre di sette. Sette celle libere sono vuote. "
      "Non c'è mazzo.",
    p=["Le fondazioni salgono in seme, continuando dal re all'asso.",
       "Sulle colonne si scende in seme, continuando dall'asso al re.",
       "Una colonna vuota prende solo una carta di valore inferiore di uno a quello di partenza, o una scala che "
       "comincia con essa.",
       "Ogni cella contiene una carta qualsiasi.",
       SCALA_CON_CELLE,
       "Le carte sulle fondazioni vi restano."],
    v="Pinguino senza mettere da parte alla distribuzione le altre carte del valore di partenza.",
    t=["Libera per prime le altre tre carte del valore di partenza: le fondazioni le aspettano.",
       "Sette celle rendono vincibili quasi tutte le partite; usale per le carte che bloccano una lunga scala in seme."],
)

TEXTS[49] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re.",
    l="Due mazzi. Otto colonne di una carta scoperta. Le altre 96 carte formano il mazzo. Un posto di riserva è vuoto.",
    p=["Una carta va su una carta di valore superiore di uno e di colore diverso; le scale in sequenza si spostano insieme.",
       "In una colonna vuota si può mettere solo un re, o una scala che comincia con un re.",
       "Una carta alla volta si può mettere da parte sul posto di riserva e giocare da lì più tardi.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna. Il mazzo non si rigira.",
    v="Miss Milligan in cui si può mettere da parte una carta anche prima che il mazzo sia finito.",
    t=["Ogni distribuzione copre tutte le colonne: sposta quello che puoi prima di distribuire di nuovo.",
       "Metti da parte una carta che blocca una lunga scala e riportala in gioco appena si adatta."],
)

TEXTS[50] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="I quattro assi aprono le fondazioni, in colonna al centro. Le altre 48 carte si distribuiscono scoperte in "
      "otto file di sei, quattro per lato. Non c'è mazzo.",
    p=["La carta esterna di una fila va sulla carta esterna di un'altra fila di valore superiore di uno, di qualsiasi seme.",
       "Si sposta una carta alla volta.",
       "In una fila vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    v="Castello Assediato; subito dopo la distribuzione ogni carta accettata da una fondazione ci va da sola.",
    t=["Svuota presto una fila: è l'unico modo per spostare più di una carta.",
       "Cerca prima i due e i tre; il resto spesso segue."],
)

TEXTS[51] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Tredici colonne di quattro carte, con l'ultima scoperta, disposte come un orologio con una colonna al centro. "
      "Non c'è mazzo.",
    p=["Una carta va su una carta di valore superiore di uno, di qualsiasi seme.",
       "Si sposta una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       SCOPRI,
       "Le carte sulle fondazioni vi restano."],
    v="Clock Tower, un gioco nostro.",
    t=["Scopri le carte coperte appena puoi: ognuna apre mosse nuove.",
       "Tieni una colonna vuota per spostare le carte tra le colonne."],
)

TEXTS[52] = dict(
    o="Costruire le otto fondazioni in seme dall'asso al re.",
    l="Due mazzi, distribuiti scoperti in ventisei colonne di quattro. Otto celle libere sono vuote. Non c'è mazzo.",
    p=["Una carta va sulla carta di valore superiore di uno dello stesso seme.",
       "In una colonna vuota si può mettere qualsiasi carta o scala.",
       "Ogni cella contiene una carta qualsiasi.",
       SCALA_CON_CELLE,
       "Le carte sulle fondazioni vi restano."],
    v="Grand Harbour, un gioco nostro: un FreeCell a due mazzi.",
    t=["Con ventisei colonne corte svuotarne una è facile; tienine qualcuna vuota per le scale lunghe.",
       "Libera prima gli assi: sono otto."],
)

TEXTS[53] = dict(
    o="Portare tutte le 104 carte sulle nove fondazioni.",
    l="Due mazzi. Otto re e un asso di cuori aprono nove fondazioni disposte in quadrato, con l'asso al centro. "
      "Otto carte singole, il divano, stanno scoperte accanto. Le altre 87 carte formano il mazzo.",
    p=["Ogni fondazione del re sale in seme ripartendo dall'asso: re, asso, 2 ... donna.",
       "L'asso di cuori sale in seme fino al re.",
       "Le carte del divano si giocano solo sulle fondazioni; su di esse non si costruisce.",
       "Ogni vuoto del divano si riempie subito con la carta in cima agli scarti, o in cima al mazzo se gli scarti "
       "sono vuoti.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare tre volte in tutto.",
    v="Sultano con l'asso di cuori come fondazione centrale e tutti i re che costruiscono.",
    t=["Distribuisci le carte di ogni seme sulle sue due fondazioni del re, così nessuna si blocca.",
       "Tieni il divano il più vario possibile: un divano pieno di un solo valore è bloccato."],
)

TEXTS[54] = dict(
    o="Eliminare tutte le carte, lasciando vuoti le colonne e il mazzo.",
    l="Quattro colonne di una carta scoperta. Le altre 48 carte formano il mazzo.",
    p=["L'ultima carta di una colonna si elimina quando l'ultima carta di un'altra colonna è dello stesso seme e "
       "più alta. L'asso è la carta più alta.",
       "Gli assi si possono eliminare in qualsiasi momento.",
       "L'ultima carta di una colonna si può spostare in una colonna vuota.",
       "Sulle colonne non si costruisce altro."],
    s="Un clic sul mazzo distribuisce una carta su ogni colonna. Il mazzo non si rigira.",
    v="Aces Up in cui si eliminano anche gli assi (nel gioco tradizionale restano quattro assi).",
    t=["Usa ogni colonna vuota per portare in cima una carta alta sepolta.",
       "Non eliminare un asso troppo presto: fa avanzare le carte più basse del suo seme."],
)

TEXTS[55] = dict(
    o="Giocare tutte le 104 carte del mazzo sulle sedici fondazioni.",
    l="Due mazzi, tutti nel mazzo da pescare. Sedici fondazioni sono vuote: otto salgono dagli assi e otto scendono dai re.",
    p=["Una fondazione ascendente prende prima un asso e poi sale in seme.",
       "Una fondazione discendente prende prima un re e poi scende in seme.",
       "Si gioca solo la carta in cima agli scarti.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo scopre una carta sugli scarti. Il mazzo si può girare due volte in tutto.",
    v="Ebb and Flow, un gioco nostro.",
    t=["Ogni seme ha quattro fondazioni: distribuisci le sue carte in modo che entrambe le direzioni possano avanzare.",
       "Al primo giro annota le carte che non hai potuto giocare: ripasseranno."],
)

TEXTS[56] = dict(
    o="Portare tutte le 104 carte sulle sedici fondazioni.",
    l="Due mazzi. Nove colonne di cinque carte scoperte. Sedici fondazioni sono vuote: otto salgono dagli assi e "
      "otto scendono dai re. Le altre 59 carte formano il mazzo.",
    p=["Una fondazione ascendente prende prima un asso e sale in seme; una discendente prende prima un re e scende in seme.",
       "Sulle colonne una carta va sulla carta di valore superiore di uno dello stesso seme; si sposta una carta alla volta.",
       "In una colonna vuota si può mettere qualsiasi carta.",
       "Le carte sulle fondazioni vi restano."],
    s="Un clic sul mazzo distribuisce una carta scoperta su ogni colonna. Il mazzo non si rigira.",
    v="Crossroads, un gioco nostro.",
    t=["Porta le carte sulle fondazioni prima di distribuire: ogni distribuzione copre tutte e nove le colonne.",
       "Una carta a metà del suo seme può andare in entrambe le direzioni: scegli quella che libera più carte."],
)

TEXTS[57] = dict(
    o="Eliminare tutte le 52 carte in coppie che sommano 14.",
    l="Il mazzo si distribuisce scoperto in dodici colonne: quattro di cinque carte e otto di quattro. Non c'è mazzo.",
    p=["Fai clic su due ultime carte la cui somma è 14 per eliminarle insieme: asso e re, 2 e donna, 3 e fante, "
       "4 e 10, 5 e 9, 6 e 8, oppure due 7. Il fante vale 11, la donna 12, il re 13.",
       "Si possono scegliere solo le ultime carte delle colonne. Un nuovo clic su una carta scelta la toglie dalla scelta."],
    v="Quattordici (Fourteen Out) con dodici colonne.",
    t=["Quando sono possibili due coppie, prendi quella che scopre carte che si accoppiano con altre in cima.",
       "Guarda che cosa c'è sotto una carta prima di eliminarla."],
)

TEXTS[58] = dict(
    o="Costruire le quattro fondazioni in seme dall'asso al re.",
    l="Diciassette ventagli di tre carte e un ventaglio di una sola carta, tutte scoperte.",
    p=["L'ultima carta di un ventaglio va sull'ultima carta di un altro ventaglio di valore superiore di uno e "
       "dello stesso seme.",
       "Si sposta una carta alla volta.",
       "Un posto vuoto non si riempie mai.",
       "Le carte sulle fondazioni vi restano."],
    s="Quando sei bloccato, fai clic sul mazzo: le carte rimaste nei ventagli si raccolgono, si mescolano e si "
      "ridistribuiscono a ventagli. Si può fare due volte in una partita.",
    v="La Bella Lucia con due nuove distribuzioni; le carte raccolte si mescolano con una regola fissa e si "
      "distribuiscono una alla volta attorno ai posti, non mischiate e date a tre a tre.",
    t=["Prima di ridistribuire gioca tutto quello che puoi: ogni nuova distribuzione accorcia la partita.",
       "I re sopra carte più basse del loro seme sono il blocco tipico; liberali per primi."],
)

TEXTS[59] = dict(
    o="Eliminare tutte le 52 carte in coppie dello stesso valore.",
    l="Nove carte si distribuiscono scoperte in un quadrato di tre per tre. Le altre 43 formano il mazzo.",
    p=["Fai clic su due carte dello stesso valore, in qualsiasi punto del quadrato, per eliminarle insieme.",
       "Un nuovo clic su una carta scelta la toglie dalla scelta.",
       "Ogni vuoto si riempie subito dal mazzo."],
    v="Nove Coppie, un gioco nostro.",
    t=["La partita è persa solo quando si vedono insieme nove valori diversi.",
       "Prendi ogni coppia che vedi: una coppia lasciata in attesa occupa solo posti."],
)

TEXTS[60] = dict(
    o="Eliminare tutte le 52 carte in coppie dello stesso valore.",
    l="Dodici carte si distribuiscono scoperte in tre file di quattro. Le altre 40 formano il mazzo.",
    p=["Fai clic su due carte dello stesso valore, in qualsiasi punto delle file, per eliminarle insieme.",
       "Un nuovo clic su una carta scelta la toglie dalla scelta.",
       "Ogni vuoto si riempie subito dal mazzo."],
    v="Matchmaker, un gioco nostro.",
    t=["Con dodici posti una coppia è quasi sicura; pensa solo a non lasciare alla fine una carta sola di un valore.",
       "Le coppie dei valori che si vedono spesso sono le più sicure."],
)
