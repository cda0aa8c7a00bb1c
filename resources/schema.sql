-- Tables of the database file kalbor.mdb. Dates are text "yyyy-MM-dd HH:mm:ss" in local
-- time; yes/no columns hold "Tak" for yes.

CREATE TABLE Regulatory (
    Kod TEXT UNIQUE,
    Adres INTEGER,
    Typ TEXT,
    aktywny TEXT,
    CzestOdczytu INTEGER,
    awarCzest INTEGER,
    NapieciePomiar INTEGER,
    Przekladnia REAL,
    PrzekladniaNap INTEGER,
    ProgNapiecie REAL,
    ProgPrad REAL,
    ProgTgFiMin REAL,
    ProgTgFi REAL,
    EnCzynnaMin REAL,
    EnCzynnaMax REAL,
    EnBiernaCalkMin REAL,
    EnBiernaCalkMax REAL,
    EnBiernaPojMin REAL,
    EnBiernaPojMax REAL,
    NapiecieMin REAL,
    NapiecieMax REAL,
    PradCzynnyMin REAL,
    PradCzynnyMax REAL,
    PradBiernyMin REAL,
    PradBiernyMax REAL,
    PradCalkMin REAL,
    PradCalkMax REAL,
    CzestotliwoscMin REAL,
    CzestotliwoscMax REAL,
    BKSt1 REAL,
    BKSt2 REAL,
    BKSt3 REAL,
    BKSt4 REAL,
    BKSt5 REAL,
    BKSt6 REAL,
    BKSt7 REAL,
    BKSt8 REAL,
    BKSt9 REAL,
    CzestTrans REAL,
    NrFabryczny TEXT,
    Opis TEXT
);

CREATE TABLE Pomiary (
    Adres INTEGER,
    Data TEXT,
    EnCzynna REAL,
    EnBiernaCalk REAL,
    EnBiernaPoj REAL,
    Napiecie REAL,
    PradBierny REAL,
    PradCalk REAL,
    Czestotliwosc REAL
);

CREATE INDEX Pomiary_Adres_Data ON Pomiary (Adres, Data);
-- The indexes of a day of the whole plant and of a regulator's alarms of one day are made with
-- the tables, by the same code that adds them to a file made before them.

CREATE TABLE OstPomiar (
    Adres INTEGER UNIQUE,
    PopPradCzynny REAL,
    PopPradBiernSr REAL,
    PopPradBiernPojSr REAL,
    PopTimerU INTEGER,
    Czas TEXT
);

CREATE TABLE Alarmy (
    Id_alarmu INTEGER PRIMARY KEY AUTOINCREMENT,
    Data TEXT,
    Typ TEXT,
    Tresc TEXT,
    Kod_Regul TEXT,
    Data_potw TEXT,
    data_dezakt TEXT,
    Operator TEXT
);

-- The event log; each row carries the local time it was written for (the default stamps rows
-- added by other programs).
CREATE TABLE Log (
    Operacja TEXT,
    Status TEXT,
    Typ TEXT,
    Kod_Regul TEXT,
    Czas TEXT DEFAULT (datetime('now', 'localtime'))
);

CREATE TABLE Hierarchia (
    kod_obiektu TEXT UNIQUE,
    typ TEXT,
    kod_obiektu_nad TEXT
);
