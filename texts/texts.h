#pragma once
// The game's own texts. Each build links exactly one table (texts/de or texts/uk); the names
// are shared, so the game code is the same for both. Bytes are single-byte strings as the
// bitmap font draws them: German letters in their DOS code-page values (ü 0x81, ä 0x84,
// ö 0x94, ß 0xE1).

namespace txt {

// Which table is linked: "de" or "uk".
extern const char* const kLanguage;

// --- Damaged data files ---------------------------------------------------------------------
// What is wrong with a file, one reason per kind of damage in the order of `Damage`
// (engine/resources/file_damage.h): printf formats that take the chunk number.
extern const char* const kDamageReasons[21];
extern const char* const kDamageMore;       // " (and %d more damaged chunks)"
extern const char* const kCannotStart;      // the location pool cannot serve the menu
extern const char* const kBuiltinFontUsed;  // "; the built-in font is used instead"
extern const char* const kCheckWhole;       // "%d files checked, all whole"
extern const char* const kCheckDamaged;     // "%d files checked, %d damaged"

// --- While the player is away ---------------------------------------------------------------
extern const char* const kPausedSign;  // "Pause": over the last frame while the game waits

// --- Options box (F10) -------------------------------------------------------------------------
extern const char* const kOptionsTitle;       // "Optionen"
extern const char* const kOptionNames[12];    // the rows, top to bottom
extern const char* const kOptionOn;           // "an"
extern const char* const kOptionOff;          // "aus"
extern const char* const kOptionFullScreen;   // "Vollbild"
extern const char* const kOptionWindow;       // "Fenster"
extern const char* const kOptionLargest;      // the window as large as fits
extern const char* const kOptionScalings[3];  // whole steps, fit, stretch
extern const char* const kOptionPerSecond;    // "%d pro Sekunde"
extern const char* const kOptionDetails[2];   // detail mode 0 and 1
extern const char* const kOptionNextStart;    // "%d x %d nach Neustart"
extern const char* const kOptionsSaves;       // "Spielst\x84nde: %s"
extern const char* const kOptionsPhotos;      // "Fotos: %s"
extern const char* const kOptionsShots;       // "Bildschirmfotos: %s"
extern const char* const kOptionsHint;        // keys that work the box

// --- Screenshots (F12, Ctrl+P) ---------------------------------------------------------------
// printf formats that take the file written or the folder that could not be written.
extern const char* const kScreenshotSaved;   // "Bildschirmfoto: %s"
extern const char* const kScreenshotFailed;  // "Kein Bildschirmfoto, kein Schreibrecht für %s"

// --- Main menu ------------------------------------------------------------------------------
extern const char* const kNewGame;        // "Neues Spiel starten"
extern const char* const kLoadSavedGame;  // "Spielstand laden"
extern const char* const kViewIntro;      // "Intro ansehen"
extern const char* const kQuitGame;       // "Spiel beenden"
extern const char* const kAreYouSure;     // "Sind Sie sicher?"
extern const char* const kBlankLine;      // " "

// --- Island map, clock and panels ------------------------------------------------------------
extern const char* const kBeachNames[10];
extern const char* const kHotelNames[3];
extern const char* const kRavezShop;
extern const char* const kHospitalMap;  // "Krankenhaus"
extern const char* const kPoliceMap;    // "Polizei"
extern const char* const kLoadGame;     // "Spiel laden"
extern const char* const kSaveGame;     // "Spiel speichern"
extern const char* const kToStartScreen;
extern const char* const kEndDay;  // "Tag beenden"
extern const char* const kSpeedSlow;
extern const char* const kSpeedNormal;
extern const char* const kSpeedFast;
extern const char* const kMonths[12];
extern const char* const kDateFormat;   // " %d-%s%02d"
extern const char* const kTimeFormat;   // " %02d:%02d Uhr"
extern const char* const kMoneyFormat;  // "Euro: %d"
extern const char* const kEvicted1;     // "Sie wurden aus Ihrem"
extern const char* const kEvicted2;     // "Zimmer geworfen."

// --- Common navigation -----------------------------------------------------------------------
extern const char* const kToMap;  // "zur Karte"
extern const char* const kToHotel;
extern const char* const kToLobby;
extern const char* const kToRoom;
extern const char* const kToReception;
extern const char* const kToOutside;  // "zur Aussenansicht"
extern const char* const kBack;       // "zurück"

// --- Shop (scenes 2, 25, 26) ----------------------------------------------------------------
extern const char* const kLaura;
extern const char* const kLeaveShop;
extern const char* const kBuyCameras;
extern const char* const kBuyCamouflage;
extern const char* const kToShop;  // "zum Shop"
extern const char* const kIntoShop;
extern const char* const kShopClosed;
extern const char* const kCameraNames[3];
extern const char* const kLensNames[3];
extern const char* const kFlashNames[3];
// Captions: name, comma, price and " Euro"; [kind][row] with kind 0 camera, 1 lens, 2 flash.
extern const char* const kEquipmentCaptions[3][3];
extern const char* const kCamouflageNames[6];
extern const char* const kCamouflageCaptions[6];
extern const char* const kBought;  // "gekauft."
extern const char* const kRented;  // "gemietet"

// --- Hotels (scenes 3..10, 14, 15, 32..35) ---------------------------------------------------
extern const char* const kLeaveHotel;
extern const char* const kBoredPorter;
extern const char* const kEatingPorter;
extern const char* const kRentRoom;
extern const char* const kRoomPrices[3];  // "Das Zimmer kostet 150 Euro pro Tag" …
extern const char* const kAlreadyHaveRoom;
extern const char* const kNotEnoughMoney;
extern const char* const kTv;    // "Fernseher"
extern const char* const kLamp;  // "Lampe"
extern const char* const kToLaptop;
extern const char* const kToCamera;
extern const char* const kToComputer;
extern const char* const kMoreTip;
extern const char* const kLessTip;
extern const char* const kAsk;            // "Anfrage stellen"
extern const char* const kEuroAmount;     // "%d Euro"
extern const char* const kManyVisitors;   // "Viele Besucher"
extern const char* const kExpectedToday;  // "werden heute am"
extern const char* const kExpected;       // "erwartet."

// --- Town (scenes 16..19, 22..24, 27..31) ----------------------------------------------------
extern const char* const kToApartment;
extern const char* const kViewSecret;
extern const char* const kRedeemSecret;
extern const char* const kIntoHospital;
extern const char* const kToPoliceStation;
extern const char* const kPoliceman;
extern const char* const kDonation1;  // "Ihre Spende wurde"
extern const char* const kDonation2;  // "dankend angenommen."
extern const char* const kPayBill;
extern const char* const kCare1;      // "Durch die liebevolle"
extern const char* const kCare2;      // "Behandlung genesen Sie"
extern const char* const kCare3;      // "innerhalb von"
extern const char* const kCareHours;  // "%s %02d"
extern const char* const kCare4;      // "Stunden."
extern const char* const kCareCost;   // "Behandlungskosten:"
extern const char* const kCareBill;   // "   %d Euro"
extern const char* const kToVipBeach;
extern const char* const kPayFee;
extern const char* const kWelcomeTo;      // "Willkommen am"
extern const char* const kGateTitles[4];  // "Nude VIP-BEach", "Melons Beach", …
extern const char* const kMembershipFee;  // "Mitgliedsbeitrag:"
extern const char* const kFeeFormats[4];  // "         3000 %s" …
extern const char* const kEuro;           // "Euro"

// --- Beach (scenes 201..210) -----------------------------------------------------------------
extern const char* const kZoom;
extern const char* const kFlash;
extern const char* const kCamouflage;
extern const char* const kBalanceOnOff;
extern const char* const kClockOnOff;
extern const char* const kLeaveBeach;
extern const char* const kEquipmentLost[3];  // "Ein Teil Ihrer", "Ausrüstung wurde", "zerstoert."

// --- Photo album (scene 11) ------------------------------------------------------------------
extern const char* const kWithTeleAndFlash;
extern const char* const kWithFlash;
extern const char* const kWithTele;
extern const char* const kSharpness[3];
extern const char* const kPhotoValue;   // "Wert des Fotos: %d Euro"
extern const char* const kPressS;       // "'s' zum speichern des Fotos"
extern const char* const kPhotoCount;   // "Anzahl der Fotos: %d"
extern const char* const kTotalValue;   // "Gesamtwert: %d Euro"
extern const char* const kSeriesBonus;  // "incl. Serienbonus"
extern const char* const kOrderBonus;   // "Auftragsbonus: %d Euro"
extern const char* const kNoPhotos;     // "Keine Fotos vorhanden"
extern const char* const kToHotelRoom;  // "zum Hotelzimmer"
extern const char* const kTransferPhotos;
extern const char* const kExported[3];  // "Ihr Foto wurde als", "'fotos\foto%04d.bmp'", …

extern const char* const kExportFailed[2];  // the photo file could not be written
extern const char* const kCounterNotSaved;  // the photo is saved, its number is not

// --- Computer (scenes 12, 13) ----------------------------------------------------------------
extern const char* const kPhotosSent;       // "Fotos gesendet: %d"
extern const char* const kEuroTransferred;  // "%d Euro transferiert"
extern const char* const kReadNews;
extern const char* const kSendPhotos;
extern const char* const kNoNews;
extern const char* const kDaysLeft;  // "noch %d Tage"
extern const char* const kDayLeft;   // "noch %d Tag"

// --- Savegames (scenes 20, 21) ---------------------------------------------------------------
extern const char* const kSaveTitleFormat;  // "%03d. Lensquest Spielstand,"
extern const char* const kSaveDateFormat;   // "%02d-%02d-%04d, %02d.%02d.%02d Uhr"
extern const char* const kLoadRow;          // "Spielstand einladen"
extern const char* const kSaveRow;          // "Spielstand speichern"
extern const char* const kGameLoaded;
extern const char* const kGameSaved;
extern const char* const kOverwrite1;  // "alten Spielstand"
extern const char* const kOverwrite2;  // "überschreiben?"

extern const char* const kSaveFailed[2];      // the slot file could not be written
extern const char* const kListNotSaved[2];    // the slot is saved, the list of slots is not
extern const char* const kSaveDamaged[2];     // a slot file that is not one whole game
extern const char* const kSaveUnreadable[2];  // a listed slot whose file is gone

}  // namespace txt
