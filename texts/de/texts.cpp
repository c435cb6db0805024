// German texts, umlauts in their DOS code-page bytes.

#include "texts/texts.h"

namespace txt {

const char* const kLanguage = "de";

const char* const kDamageReasons[21] = {
    "ist in Ordnung",
    "fehlt oder l\x84sst sich nicht lesen",
    "ist zu kurz f\x81r einen Pool-Kopf",
    "ist kein Pool",
    "ist kein Bilder-Pool",
    "ist kein Sound-Pool",
    "ist zu kurz f\x81r sein Verzeichnis von %d Chunks",
    "Chunk %d liegt hinter dem Dateiende",
    "Chunk %d ist kein Bild",
    "Chunk %d: die Bildgr\x94\xE1"
    "e passt nicht zu den Daten",
    "Chunk %d: die Bilddaten brechen ab",
    "Chunk %d: die Bilddaten reichen \x81"
    "ber das Bild hinaus",
    "Chunk %d ist kein WAV-Klang",
    "Chunk %d: die Klangdaten brechen ab",
    "ist kein WAV-Klang",
    "die Klangdaten brechen ab",
    "ist keine Schrift",
    "endet vor ihren Zeichen",
    "l\x84sst sich nicht als Film \x94"
    "ffnen",
    "die ersten Bilder lassen sich nicht dekodieren",
    "hat keinen Chunk %d",
};
const char* const kDamageMore =
    " (und %d weitere besch\x84"
    "digte Chunks)";
const char* const kCannotStart = "Ohne diese Datei kann das Spiel nicht starten.";
const char* const kBuiltinFontUsed = "; die eingebaute Schrift wird benutzt";
const char* const kCheckWhole =
    "%d Dateien gepr\x81"
    "ft, alle in Ordnung";
const char* const kCheckDamaged =
    "%d Dateien gepr\x81"
    "ft, %d besch\x84"
    "digt";

const char* const kPausedSign = "Pause";
const char* const kScreenshotSaved = "Bildschirmfoto: %s";
const char* const kScreenshotFailed =
    "Kein Bildschirmfoto, kein Schreibrecht f\x81"
    "r %s";

const char* const kOptionsTitle = "Optionen";
const char* const kOptionNames[12] = {"Bildschirm",
                                      "Fenstergr\x94\xE1"
                                      "e",
                                      "Skalierung",
                                      "VSync",
                                      "Bildrate",
                                      "Musik",
                                      "Effekte",
                                      "Stumm",
                                      "Pause im Hintergrund",
                                      "Controller-Tempo",
                                      "Aufl\x94sung",
                                      "Details"};
const char* const kOptionOn = "an";
const char* const kOptionOff = "aus";
const char* const kOptionFullScreen = "Vollbild";
const char* const kOptionWindow = "Fenster";
const char* const kOptionLargest = "so gro\xE1 wie passt";
const char* const kOptionScalings[3] = {"ganze Stufen", "einpassen", "strecken"};
const char* const kOptionPerSecond = "%d pro Sekunde";
const char* const kOptionDetails[2] = {"einfach", "voll"};
const char* const kOptionNextStart = "%d x %d nach Neustart";
const char* const kOptionsSaves = "Spielst\x84nde: %s";
const char* const kOptionsPhotos = "Fotos: %s";
const char* const kOptionsShots = "Bildschirmfotos: %s";
const char* const kOptionsHint = "Pfeile w\x84hlen und \x84ndern, F10 schlie\xE1t";

const char* const kNewGame = "Neues Spiel starten";
const char* const kLoadSavedGame = "Spielstand laden";
const char* const kViewIntro = "Intro ansehen";
const char* const kQuitGame = "Spiel beenden";
const char* const kAreYouSure = "Sind Sie sicher?";
const char* const kBlankLine = " ";

const char* const kBeachNames[10] = {
    "Chili Beach",    "Nude Vip Beach", "Rodeo Beach",      "Melons Beach",  "Red Banana Beach",
    "Lobster Laguna", "Pleasure Beach", "Nipplonsky Beach", "Sangria Beach", "Rooster's Beach"};
const char* const kHotelNames[3] = {"Sisenor Hotel", "Ravez Palace Hotel", "Hotel Sunburn"};
const char* const kRavezShop = "Ravez Shop";
const char* const kHospitalMap = "Krankenhaus";
const char* const kPoliceMap = "Polizei";
const char* const kLoadGame = "Spiel laden";
const char* const kSaveGame = "Spiel speichern";
const char* const kToStartScreen = "zum Startbildschirm";
const char* const kEndDay = "Tag beenden";
const char* const kSpeedSlow = "Spieltempo langsam";
const char* const kSpeedNormal = "Spieltempo normal";
const char* const kSpeedFast = "Spieltempo schnell";
const char* const kMonths[12] = {"Jan.", "Febr.", "Mar.", "Apr.", "Mai",  "Jun.",
                                 "Jul.", "Aug.",  "Sep.", "Okt.", "Nov.", "Dez."};
const char* const kDateFormat = " %d-%s%02d";
const char* const kTimeFormat = " %02d:%02d Uhr";
const char* const kMoneyFormat = "Euro: %d";
const char* const kEvicted1 = "Sie wurden aus Ihrem";
const char* const kEvicted2 = "Zimmer geworfen.";

const char* const kToMap = "zur Karte";
const char* const kToHotel = "zum Hotel";
const char* const kToLobby = "zur Lobby";
const char* const kToRoom = "zum Zimmer";
const char* const kToReception = "zum Schalter";
const char* const kToOutside = "zur Aussenansicht";
const char* const kBack =
    "zur\x81"
    "ck";

const char* const kLaura = "Laura";
const char* const kLeaveShop = "Shop verlassen";
const char* const kBuyCameras = "Kameras kaufen";
const char* const kBuyCamouflage = "Tarnung kaufen";
const char* const kToShop = "zum Shop";
const char* const kIntoShop = "in den Shop";
const char* const kShopClosed = "Shop geschlossen";
const char* const kCameraNames[3] = {"DozuveDor I99", "VirivEra", "DerozIri"};
const char* const kLensNames[3] = {"Brillo Y99", "ProfiSpann", "HyperWatch"};
const char* const kFlashNames[3] = {"BlitzBlink Z99", "ProfiFlash", "HyperFlash"};
const char* const kEquipmentCaptions[3][3] = {
    {"DozuveDor I99, 800 Euro", "VirivEra, 1200 Euro", "DerozIri, 2000 Euro"},
    {"Brillo Y99, 400 Euro", "ProfiSpann, 800 Euro", "HyperWatch, 1000 Euro"},
    {"BlitzBlink Z99, 400 Euro", "ProfiFlash, 800 Euro", "HyperFlash, 1000 Euro"}};
const char* const kCamouflageNames[6] = {"Schwimmreifen",          "Luftmatraze",
                                         "Sandburg Atrappe",       "Schlauchboot",
                                         "Rettungsschwimmersuite", "Luxusjacht"};
const char* const kCamouflageCaptions[6] = {
    "Schwimmreifen, 50 Euro",           "Luftmatraze, 100 Euro",
    "Sandburg Atrappe, 200 Euro",       "Schlauchboot, 500 Euro",
    "Rettungsschwimmersuite, 800 Euro", "Luxusjacht, 1000 Euro"};
const char* const kBought = "gekauft.";
const char* const kRented = "gemietet";

const char* const kLeaveHotel = "Hotel verlassen";
const char* const kBoredPorter = "gelangweilter Portier";
const char* const kEatingPorter = "schmatzender Portier";
const char* const kRentRoom = "Zimmer mieten";
const char* const kRoomPrices[3] = {"Das Zimmer kostet 150 Euro pro Tag",
                                    "Das Zimmer kostet 250 Euro pro Tag",
                                    "Das Zimmer kostet 400 Euro pro Tag"};
const char* const kAlreadyHaveRoom = "Sie haben hier bereits ein Zimmer.";
const char* const kNotEnoughMoney = "Sie haben nicht genug Geld.";
const char* const kTv = "Fernseher";
const char* const kLamp = "Lampe";
const char* const kToLaptop = "zum Laptop";
const char* const kToCamera = "zur Camera";
const char* const kToComputer = "zum Computer";
const char* const kMoreTip = "mehr Trinkgeld";
const char* const kLessTip = "weniger Trinkgeld";
const char* const kAsk = "Anfrage stellen";
const char* const kEuroAmount = "%d Euro";
const char* const kManyVisitors = "Viele Besucher";
const char* const kExpectedToday = "werden heute am";
const char* const kExpected = "erwartet.";

const char* const kToApartment = "zur Wohnung";
const char* const kViewSecret = "Secret ansehen";
const char* const kRedeemSecret = "Secret einloesen";
const char* const kIntoHospital = "ins Hospital";
const char* const kToPoliceStation = "zur Polizeistation";
const char* const kPoliceman = "Polizist";
const char* const kDonation1 = "Ihre Spende wurde";
const char* const kDonation2 = "dankend angenommen.";
const char* const kPayBill = "Rechnung begleichen";
const char* const kCare1 = "Durch die liebevolle";
const char* const kCare2 = "Behandlung genesen Sie";
const char* const kCare3 = "innerhalb von";
const char* const kCareHours = "%s %02d";
const char* const kCare4 = "Stunden.";
const char* const kCareCost = "Behandlungskosten:";
const char* const kCareBill = "   %d Euro";
const char* const kToVipBeach = "zum VIP-Beach";
const char* const kPayFee = "Beitrag bezahlen";
const char* const kWelcomeTo = "Willkommen am";
const char* const kGateTitles[4] = {"Nude VIP-BEach", "Melons Beach", "Pleasure Beach",
                                    "Nipplonsky Beach"};
const char* const kMembershipFee = "Mitgliedsbeitrag:";
const char* const kFeeFormats[4] = {"         3000 %s", "         5000 %s", "         8000 %s",
                                    "         10000 %s"};
const char* const kEuro = "Euro";

const char* const kZoom = "Zoom";
const char* const kFlash = "Blitzlicht";
const char* const kCamouflage = "Tarnung";
const char* const kBalanceOnOff = "Kontostand an/aus";
const char* const kClockOnOff = "Uhr an/aus";
const char* const kLeaveBeach = "Strand verlassen";
const char* const kEquipmentLost[3] = {"Ein Teil Ihrer", "Ausr\x81stung wurde", "zerstoert."};

const char* const kWithTeleAndFlash = "mit Teleobjektiv und Blitz";
const char* const kWithFlash = "mit Blitz";
const char* const kWithTele = "mit Teleobjektiv";
const char* const kSharpness[3] = {"Foto ist scharf", "Foto ist leicht unscharf",
                                   "Foto ist schlecht zu erkennen"};
const char* const kPhotoValue = "Wert des Fotos: %d Euro";
const char* const kPressS = "'s' zum speichern des Fotos";
const char* const kPhotoCount = "Anzahl der Fotos: %d";
const char* const kTotalValue = "Gesamtwert: %d Euro";
const char* const kSeriesBonus = "incl. Serienbonus";
const char* const kOrderBonus = "Auftragsbonus: %d Euro";
const char* const kNoPhotos = "Keine Fotos vorhanden";
const char* const kToHotelRoom = "zum Hotelzimmer";
const char* const kTransferPhotos = "Fotos transferieren";
const char* const kExported[3] = {"Ihr Foto wurde als", "'fotos\\foto%04d.bmp'", "gespeichert."};
const char* const kExportFailed[2] = {"Das Foto konnte nicht", "gespeichert werden."};
const char* const kCounterNotSaved = "(Z\x84hler nicht gespeichert)";

const char* const kPhotosSent = "Fotos gesendet: %d";
const char* const kEuroTransferred = "%d Euro transferiert";
const char* const kReadNews = "News abfragen";
const char* const kSendPhotos = "Fotos versenden";
const char* const kNoNews = "keine neuen Meldungen";
const char* const kDaysLeft = "noch %d Tage";
const char* const kDayLeft = "noch %d Tag";

const char* const kSaveTitleFormat = "%03d. Lensquest Spielstand,";
const char* const kSaveDateFormat = "%02d-%02d-%04d, %02d.%02d.%02d Uhr";
const char* const kLoadRow = "Spielstand einladen";
const char* const kSaveRow = "Spielstand speichern";
const char* const kGameLoaded = "Spielstand geladen";
const char* const kGameSaved = "Spielstand gespeichert";
const char* const kOverwrite1 = "alten Spielstand";
const char* const kOverwrite2 =
    "\x81"
    "berschreiben?";
const char* const kSaveFailed[2] = {"Der Spielstand konnte", "nicht gespeichert werden."};
const char* const kListNotSaved[2] = {"Die Spielstandliste konnte", "nicht gespeichert werden."};
const char* const kSaveDamaged[2] = {"Der Spielstand ist",
                                     "besch\x84"
                                     "digt."};
const char* const kSaveUnreadable[2] = {"Der Spielstand kann nicht", "gelesen werden."};

}  // namespace txt
