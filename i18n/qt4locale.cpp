#include "i18n/qt4locale.h"

// Generated from the QLocale enumerations of Qt 5.15, which keep the Qt 4 numbering.
// Position in each table is the old number; names Qt 6 dropped are carried as text.

namespace {

const Qt4Locale::LanguageEntry kLanguages[] = {
    { QLocale::AnyLanguage, nullptr }, // 0
    { QLocale::C, nullptr }, // 1
    { QLocale::Abkhazian, nullptr }, // 2
    { QLocale::Oromo, nullptr }, // 3
    { QLocale::Afar, nullptr }, // 4
    { QLocale::Afrikaans, nullptr }, // 5
    { QLocale::Albanian, nullptr }, // 6
    { QLocale::Amharic, nullptr }, // 7
    { QLocale::Arabic, nullptr }, // 8
    { QLocale::Armenian, nullptr }, // 9
    { QLocale::Assamese, nullptr }, // 10
    { QLocale::Aymara, nullptr }, // 11
    { QLocale::Azerbaijani, nullptr }, // 12
    { QLocale::Bashkir, nullptr }, // 13
    { QLocale::Basque, nullptr }, // 14
    { QLocale::Bengali, nullptr }, // 15
    { QLocale::Dzongkha, nullptr }, // 16
    { QLocale::AnyLanguage, "Bihari" }, // 17
    { QLocale::Bislama, nullptr }, // 18
    { QLocale::Breton, nullptr }, // 19
    { QLocale::Bulgarian, nullptr }, // 20
    { QLocale::Burmese, nullptr }, // 21
    { QLocale::Belarusian, nullptr }, // 22
    { QLocale::Khmer, nullptr }, // 23
    { QLocale::Catalan, nullptr }, // 24
    { QLocale::Chinese, nullptr }, // 25
    { QLocale::Corsican, nullptr }, // 26
    { QLocale::Croatian, nullptr }, // 27
    { QLocale::Czech, nullptr }, // 28
    { QLocale::Danish, nullptr }, // 29
    { QLocale::Dutch, nullptr }, // 30
    { QLocale::English, nullptr }, // 31
    { QLocale::Esperanto, nullptr }, // 32
    { QLocale::Estonian, nullptr }, // 33
    { QLocale::Faroese, nullptr }, // 34
    { QLocale::Fijian, nullptr }, // 35
    { QLocale::Finnish, nullptr }, // 36
    { QLocale::French, nullptr }, // 37
    { QLocale::WesternFrisian, nullptr }, // 38
    { QLocale::Gaelic, nullptr }, // 39
    { QLocale::Galician, nullptr }, // 40
    { QLocale::Georgian, nullptr }, // 41
    { QLocale::German, nullptr }, // 42
    { QLocale::Greek, nullptr }, // 43
    { QLocale::Greenlandic, nullptr }, // 44
    { QLocale::Guarani, nullptr }, // 45
    { QLocale::Gujarati, nullptr }, // 46
    { QLocale::Hausa, nullptr }, // 47
    { QLocale::Hebrew, nullptr }, // 48
    { QLocale::Hindi, nullptr }, // 49
    { QLocale::Hungarian, nullptr }, // 50
    { QLocale::Icelandic, nullptr }, // 51
    { QLocale::Indonesian, nullptr }, // 52
    { QLocale::Interlingua, nullptr }, // 53
    { QLocale::Interlingue, nullptr }, // 54
    { QLocale::Inuktitut, nullptr }, // 55
    { QLocale::Inupiak, nullptr }, // 56
    { QLocale::Irish, nullptr }, // 57
    { QLocale::Italian, nullptr }, // 58
    { QLocale::Japanese, nullptr }, // 59
    { QLocale::Javanese, nullptr }, // 60
    { QLocale::Kannada, nullptr }, // 61
    { QLocale::Kashmiri, nullptr }, // 62
    { QLocale::Kazakh, nullptr }, // 63
    { QLocale::Kinyarwanda, nullptr }, // 64
    { QLocale::Kirghiz, nullptr }, // 65
    { QLocale::Korean, nullptr }, // 66
    { QLocale::Kurdish, nullptr }, // 67
    { QLocale::Rundi, nullptr }, // 68
    { QLocale::Lao, nullptr }, // 69
    { QLocale::Latin, nullptr }, // 70
    { QLocale::Latvian, nullptr }, // 71
    { QLocale::Lingala, nullptr }, // 72
    { QLocale::Lithuanian, nullptr }, // 73
    { QLocale::Macedonian, nullptr }, // 74
    { QLocale::Malagasy, nullptr }, // 75
    { QLocale::Malay, nullptr }, // 76
    { QLocale::Malayalam, nullptr }, // 77
    { QLocale::Maltese, nullptr }, // 78
    { QLocale::Maori, nullptr }, // 79
    { QLocale::Marathi, nullptr }, // 80
    { QLocale::Marshallese, nullptr }, // 81
    { QLocale::Mongolian, nullptr }, // 82
    { QLocale::NauruLanguage, nullptr }, // 83
    { QLocale::Nepali, nullptr }, // 84
    { QLocale::NorwegianBokmal, nullptr }, // 85
    { QLocale::Occitan, nullptr }, // 86
    { QLocale::Oriya, nullptr }, // 87
    { QLocale::Pashto, nullptr }, // 88
    { QLocale::Persian, nullptr }, // 89
    { QLocale::Polish, nullptr }, // 90
    { QLocale::Portuguese, nullptr }, // 91
    { QLocale::Punjabi, nullptr }, // 92
    { QLocale::Quechua, nullptr }, // 93
    { QLocale::Romansh, nullptr }, // 94
    { QLocale::Romanian, nullptr }, // 95
    { QLocale::Russian, nullptr }, // 96
    { QLocale::Samoan, nullptr }, // 97
    { QLocale::Sango, nullptr }, // 98
    { QLocale::Sanskrit, nullptr }, // 99
    { QLocale::Serbian, nullptr }, // 100
    { QLocale::Ossetic, nullptr }, // 101
    { QLocale::SouthernSotho, nullptr }, // 102
    { QLocale::Tswana, nullptr }, // 103
    { QLocale::Shona, nullptr }, // 104
    { QLocale::Sindhi, nullptr }, // 105
    { QLocale::Sinhala, nullptr }, // 106
    { QLocale::Swati, nullptr }, // 107
    { QLocale::Slovak, nullptr }, // 108
    { QLocale::Slovenian, nullptr }, // 109
    { QLocale::Somali, nullptr }, // 110
    { QLocale::Spanish, nullptr }, // 111
    { QLocale::Sundanese, nullptr }, // 112
    { QLocale::Swahili, nullptr }, // 113
    { QLocale::Swedish, nullptr }, // 114
    { QLocale::Sardinian, nullptr }, // 115
    { QLocale::Tajik, nullptr }, // 116
    { QLocale::Tamil, nullptr }, // 117
    { QLocale::Tatar, nullptr }, // 118
    { QLocale::Telugu, nullptr }, // 119
    { QLocale::Thai, nullptr }, // 120
    { QLocale::Tibetan, nullptr }, // 121
    { QLocale::Tigrinya, nullptr }, // 122
    { QLocale::Tongan, nullptr }, // 123
    { QLocale::Tsonga, nullptr }, // 124
    { QLocale::Turkish, nullptr }, // 125
    { QLocale::Turkmen, nullptr }, // 126
    { QLocale::Tahitian, nullptr }, // 127
    { QLocale::Uighur, nullptr }, // 128
    { QLocale::Ukrainian, nullptr }, // 129
    { QLocale::Urdu, nullptr }, // 130
    { QLocale::Uzbek, nullptr }, // 131
    { QLocale::Vietnamese, nullptr }, // 132
    { QLocale::Volapuk, nullptr }, // 133
    { QLocale::Welsh, nullptr }, // 134
    { QLocale::Wolof, nullptr }, // 135
    { QLocale::Xhosa, nullptr }, // 136
    { QLocale::Yiddish, nullptr }, // 137
    { QLocale::Yoruba, nullptr }, // 138
    { QLocale::Zhuang, nullptr }, // 139
    { QLocale::Zulu, nullptr }, // 140
    { QLocale::NorwegianNynorsk, nullptr }, // 141
    { QLocale::Bosnian, nullptr }, // 142
    { QLocale::Divehi, nullptr }, // 143
    { QLocale::Manx, nullptr }, // 144
    { QLocale::Cornish, nullptr }, // 145
    { QLocale::Akan, nullptr }, // 146
    { QLocale::Konkani, nullptr }, // 147
    { QLocale::Ga, nullptr }, // 148
    { QLocale::Igbo, nullptr }, // 149
    { QLocale::Kamba, nullptr }, // 150
    { QLocale::Syriac, nullptr }, // 151
    { QLocale::Blin, nullptr }, // 152
    { QLocale::Geez, nullptr }, // 153
    { QLocale::Koro, nullptr }, // 154
    { QLocale::Sidamo, nullptr }, // 155
    { QLocale::Atsam, nullptr }, // 156
    { QLocale::Tigre, nullptr }, // 157
    { QLocale::Jju, nullptr }, // 158
    { QLocale::Friulian, nullptr }, // 159
    { QLocale::Venda, nullptr }, // 160
    { QLocale::Ewe, nullptr }, // 161
    { QLocale::Walamo, nullptr }, // 162
    { QLocale::Hawaiian, nullptr }, // 163
    { QLocale::Tyap, nullptr }, // 164
    { QLocale::Nyanja, nullptr }, // 165
    { QLocale::Filipino, nullptr }, // 166
    { QLocale::SwissGerman, nullptr }, // 167
    { QLocale::SichuanYi, nullptr }, // 168
    { QLocale::Kpelle, nullptr }, // 169
    { QLocale::LowGerman, nullptr }, // 170
    { QLocale::SouthNdebele, nullptr }, // 171
    { QLocale::NorthernSotho, nullptr }, // 172
    { QLocale::NorthernSami, nullptr }, // 173
    { QLocale::Taroko, nullptr }, // 174
    { QLocale::Gusii, nullptr }, // 175
    { QLocale::Taita, nullptr }, // 176
    { QLocale::Fulah, nullptr }, // 177
    { QLocale::Kikuyu, nullptr }, // 178
    { QLocale::Samburu, nullptr }, // 179
    { QLocale::Sena, nullptr }, // 180
    { QLocale::NorthNdebele, nullptr }, // 181
    { QLocale::Rombo, nullptr }, // 182
    { QLocale::Tachelhit, nullptr }, // 183
    { QLocale::Kabyle, nullptr }, // 184
    { QLocale::Nyankole, nullptr }, // 185
    { QLocale::Bena, nullptr }, // 186
    { QLocale::Vunjo, nullptr }, // 187
    { QLocale::Bambara, nullptr }, // 188
    { QLocale::Embu, nullptr }, // 189
    { QLocale::Cherokee, nullptr }, // 190
    { QLocale::Morisyen, nullptr }, // 191
    { QLocale::Makonde, nullptr }, // 192
    { QLocale::Langi, nullptr }, // 193
    { QLocale::Ganda, nullptr }, // 194
    { QLocale::Bemba, nullptr }, // 195
    { QLocale::Kabuverdianu, nullptr }, // 196
    { QLocale::Meru, nullptr }, // 197
    { QLocale::Kalenjin, nullptr }, // 198
    { QLocale::Nama, nullptr }, // 199
    { QLocale::Machame, nullptr }, // 200
    { QLocale::Colognian, nullptr }, // 201
    { QLocale::Masai, nullptr }, // 202
    { QLocale::Soga, nullptr }, // 203
    { QLocale::Luyia, nullptr }, // 204
    { QLocale::Asu, nullptr }, // 205
    { QLocale::Teso, nullptr }, // 206
    { QLocale::Saho, nullptr }, // 207
    { QLocale::KoyraChiini, nullptr }, // 208
    { QLocale::Rwa, nullptr }, // 209
    { QLocale::Luo, nullptr }, // 210
    { QLocale::Chiga, nullptr }, // 211
    { QLocale::CentralMoroccoTamazight, nullptr }, // 212
    { QLocale::KoyraboroSenni, nullptr }, // 213
    { QLocale::Shambala, nullptr }, // 214
    { QLocale::Bodo, nullptr }, // 215
    { QLocale::Avaric, nullptr }, // 216
    { QLocale::Chamorro, nullptr }, // 217
    { QLocale::Chechen, nullptr }, // 218
    { QLocale::Church, nullptr }, // 219
    { QLocale::Chuvash, nullptr }, // 220
    { QLocale::Cree, nullptr }, // 221
    { QLocale::Haitian, nullptr }, // 222
    { QLocale::Herero, nullptr }, // 223
    { QLocale::HiriMotu, nullptr }, // 224
    { QLocale::Kanuri, nullptr }, // 225
    { QLocale::Komi, nullptr }, // 226
    { QLocale::Kongo, nullptr }, // 227
    { QLocale::Kwanyama, nullptr }, // 228
    { QLocale::Limburgish, nullptr }, // 229
    { QLocale::LubaKatanga, nullptr }, // 230
    { QLocale::Luxembourgish, nullptr }, // 231
    { QLocale::Navaho, nullptr }, // 232
    { QLocale::Ndonga, nullptr }, // 233
    { QLocale::Ojibwa, nullptr }, // 234
    { QLocale::Pali, nullptr }, // 235
    { QLocale::Walloon, nullptr }, // 236
    { QLocale::Aghem, nullptr }, // 237
    { QLocale::Basaa, nullptr }, // 238
    { QLocale::Zarma, nullptr }, // 239
    { QLocale::Duala, nullptr }, // 240
    { QLocale::JolaFonyi, nullptr }, // 241
    { QLocale::Ewondo, nullptr }, // 242
    { QLocale::Bafia, nullptr }, // 243
    { QLocale::MakhuwaMeetto, nullptr }, // 244
    { QLocale::Mundang, nullptr }, // 245
    { QLocale::Kwasio, nullptr }, // 246
    { QLocale::Nuer, nullptr }, // 247
    { QLocale::Sakha, nullptr }, // 248
    { QLocale::Sangu, nullptr }, // 249
    { QLocale::AnyLanguage, "Congo Swahili" }, // 250
    { QLocale::Tasawaq, nullptr }, // 251
    { QLocale::Vai, nullptr }, // 252
    { QLocale::Walser, nullptr }, // 253
    { QLocale::Yangben, nullptr }, // 254
    { QLocale::Avestan, nullptr }, // 255
    { QLocale::Asturian, nullptr }, // 256
    { QLocale::Ngomba, nullptr }, // 257
    { QLocale::Kako, nullptr }, // 258
    { QLocale::Meta, nullptr }, // 259
    { QLocale::Ngiemboon, nullptr }, // 260
    { QLocale::Aragonese, nullptr }, // 261
    { QLocale::Akkadian, nullptr }, // 262
    { QLocale::AncientEgyptian, nullptr }, // 263
    { QLocale::AncientGreek, nullptr }, // 264
    { QLocale::Aramaic, nullptr }, // 265
    { QLocale::Balinese, nullptr }, // 266
    { QLocale::Bamun, nullptr }, // 267
    { QLocale::BatakToba, nullptr }, // 268
    { QLocale::Buginese, nullptr }, // 269
    { QLocale::AnyLanguage, "Buhid" }, // 270
    { QLocale::AnyLanguage, "Carian" }, // 271
    { QLocale::Chakma, nullptr }, // 272
    { QLocale::AnyLanguage, "Classical Mandaic" }, // 273
    { QLocale::Coptic, nullptr }, // 274
    { QLocale::Dogri, nullptr }, // 275
    { QLocale::AnyLanguage, "Eastern Cham" }, // 276
    { QLocale::AnyLanguage, "Eastern Kayah" }, // 277
    { QLocale::AnyLanguage, "Etruscan" }, // 278
    { QLocale::Gothic, nullptr }, // 279
    { QLocale::AnyLanguage, "Hanunoo" }, // 280
    { QLocale::Ingush, nullptr }, // 281
    { QLocale::AnyLanguage, "Large Flowery Miao" }, // 282
    { QLocale::AnyLanguage, "Lepcha" }, // 283
    { QLocale::AnyLanguage, "Limbu" }, // 284
    { QLocale::AnyLanguage, "Lisu" }, // 285
    { QLocale::AnyLanguage, "Lu" }, // 286
    { QLocale::AnyLanguage, "Lycian" }, // 287
    { QLocale::AnyLanguage, "Lydian" }, // 288
    { QLocale::Mandingo, nullptr }, // 289
    { QLocale::Manipuri, nullptr }, // 290
    { QLocale::AnyLanguage, "Meroitic" }, // 291
    { QLocale::AnyLanguage, "Northern Thai" }, // 292
    { QLocale::OldIrish, nullptr }, // 293
    { QLocale::OldNorse, nullptr }, // 294
    { QLocale::OldPersian, nullptr }, // 295
    { QLocale::AnyLanguage, "Old Turkish" }, // 296
    { QLocale::Pahlavi, nullptr }, // 297
    { QLocale::AnyLanguage, "Parthian" }, // 298
    { QLocale::Phoenician, nullptr }, // 299
    { QLocale::AnyLanguage, "Prakrit Language" }, // 300
    { QLocale::AnyLanguage, "Rejang" }, // 301
    { QLocale::AnyLanguage, "Sabaean" }, // 302
    { QLocale::AnyLanguage, "Samaritan" }, // 303
    { QLocale::Santali, nullptr }, // 304
    { QLocale::Saurashtra, nullptr }, // 305
    { QLocale::AnyLanguage, "Sora" }, // 306
    { QLocale::AnyLanguage, "Sylheti" }, // 307
    { QLocale::AnyLanguage, "Tagbanwa" }, // 308
    { QLocale::TaiDam, nullptr }, // 309
    { QLocale::AnyLanguage, "Tai Nua" }, // 310
    { QLocale::Ugaritic, nullptr }, // 311
    { QLocale::Akoose, nullptr }, // 312
    { QLocale::Lakota, nullptr }, // 313
    { QLocale::StandardMoroccanTamazight, nullptr }, // 314
    { QLocale::Mapuche, nullptr }, // 315
    { QLocale::CentralKurdish, nullptr }, // 316
    { QLocale::LowerSorbian, nullptr }, // 317
    { QLocale::UpperSorbian, nullptr }, // 318
    { QLocale::Kenyang, nullptr }, // 319
    { QLocale::Mohawk, nullptr }, // 320
    { QLocale::Nko, nullptr }, // 321
    { QLocale::Prussian, nullptr }, // 322
    { QLocale::Kiche, nullptr }, // 323
    { QLocale::SouthernSami, nullptr }, // 324
    { QLocale::LuleSami, nullptr }, // 325
    { QLocale::InariSami, nullptr }, // 326
    { QLocale::SkoltSami, nullptr }, // 327
    { QLocale::Warlpiri, nullptr }, // 328
    { QLocale::AnyLanguage, "Manichaean Middle Persian" }, // 329
    { QLocale::Mende, nullptr }, // 330
    { QLocale::AnyLanguage, "Ancient North Arabian" }, // 331
    { QLocale::AnyLanguage, "Linear A" }, // 332
    { QLocale::AnyLanguage, "Hmong Njua" }, // 333
    { QLocale::AnyLanguage, "Ho" }, // 334
    { QLocale::Lezghian, nullptr }, // 335
    { QLocale::AnyLanguage, "Bassa" }, // 336
    { QLocale::AnyLanguage, "Mono" }, // 337
    { QLocale::AnyLanguage, "Tedim Chin" }, // 338
    { QLocale::Maithili, nullptr }, // 339
    { QLocale::AnyLanguage, "Ahom" }, // 340
    { QLocale::AmericanSignLanguage, nullptr }, // 341
    { QLocale::AnyLanguage, "Ardhamagadhi Prakrit" }, // 342
    { QLocale::Bhojpuri, nullptr }, // 343
    { QLocale::AnyLanguage, "Hieroglyphic Luwian" }, // 344
    { QLocale::LiteraryChinese, nullptr }, // 345
    { QLocale::Mazanderani, nullptr }, // 346
    { QLocale::AnyLanguage, "Mru" }, // 347
    { QLocale::Newari, nullptr }, // 348
    { QLocale::NorthernLuri, nullptr }, // 349
    { QLocale::Palauan, nullptr }, // 350
    { QLocale::Papiamento, nullptr }, // 351
    { QLocale::AnyLanguage, "Saraiki" }, // 352
    { QLocale::TokelauLanguage, nullptr }, // 353
    { QLocale::TokPisin, nullptr }, // 354
    { QLocale::TuvaluLanguage, nullptr }, // 355
    { QLocale::AnyLanguage, "Uncoded Languages" }, // 356
    { QLocale::Cantonese, nullptr }, // 357
    { QLocale::Osage, nullptr }, // 358
    { QLocale::AnyLanguage, "Tangut" }, // 359
    { QLocale::Ido, nullptr }, // 360
    { QLocale::Lojban, nullptr }, // 361
    { QLocale::Sicilian, nullptr }, // 362
    { QLocale::SouthernKurdish, nullptr }, // 363
    { QLocale::WesternBalochi, nullptr }, // 364
    { QLocale::Cebuano, nullptr }, // 365
    { QLocale::Erzya, nullptr }, // 366
    { QLocale::Chickasaw, nullptr }, // 367
    { QLocale::Muscogee, nullptr }, // 368
    { QLocale::Silesian, nullptr }, // 369
    { QLocale::NigerianPidgin, nullptr }, // 370
};

const Qt4Locale::TerritoryEntry kTerritories[] = {
    { QLocale::AnyCountry, nullptr }, // 0
    { QLocale::Afghanistan, nullptr }, // 1
    { QLocale::Albania, nullptr }, // 2
    { QLocale::Algeria, nullptr }, // 3
    { QLocale::AmericanSamoa, nullptr }, // 4
    { QLocale::Andorra, nullptr }, // 5
    { QLocale::Angola, nullptr }, // 6
    { QLocale::Anguilla, nullptr }, // 7
    { QLocale::Antarctica, nullptr }, // 8
    { QLocale::AntiguaAndBarbuda, nullptr }, // 9
    { QLocale::Argentina, nullptr }, // 10
    { QLocale::Armenia, nullptr }, // 11
    { QLocale::Aruba, nullptr }, // 12
    { QLocale::Australia, nullptr }, // 13
    { QLocale::Austria, nullptr }, // 14
    { QLocale::Azerbaijan, nullptr }, // 15
    { QLocale::Bahamas, nullptr }, // 16
    { QLocale::Bahrain, nullptr }, // 17
    { QLocale::Bangladesh, nullptr }, // 18
    { QLocale::Barbados, nullptr }, // 19
    { QLocale::Belarus, nullptr }, // 20
    { QLocale::Belgium, nullptr }, // 21
    { QLocale::Belize, nullptr }, // 22
    { QLocale::Benin, nullptr }, // 23
    { QLocale::Bermuda, nullptr }, // 24
    { QLocale::Bhutan, nullptr }, // 25
    { QLocale::Bolivia, nullptr }, // 26
    { QLocale::BosniaAndHerzegowina, nullptr }, // 27
    { QLocale::Botswana, nullptr }, // 28
    { QLocale::BouvetIsland, nullptr }, // 29
    { QLocale::Brazil, nullptr }, // 30
    { QLocale::BritishIndianOceanTerritory, nullptr }, // 31
    { QLocale::Brunei, nullptr }, // 32
    { QLocale::Bulgaria, nullptr }, // 33
    { QLocale::BurkinaFaso, nullptr }, // 34
    { QLocale::Burundi, nullptr }, // 35
    { QLocale::Cambodia, nullptr }, // 36
    { QLocale::Cameroon, nullptr }, // 37
    { QLocale::Canada, nullptr }, // 38
    { QLocale::CapeVerde, nullptr }, // 39
    { QLocale::CaymanIslands, nullptr }, // 40
    { QLocale::CentralAfricanRepublic, nullptr }, // 41
    { QLocale::Chad, nullptr }, // 42
    { QLocale::Chile, nullptr }, // 43
    { QLocale::China, nullptr }, // 44
    { QLocale::ChristmasIsland, nullptr }, // 45
    { QLocale::CocosIslands, nullptr }, // 46
    { QLocale::Colombia, nullptr }, // 47
    { QLocale::Comoros, nullptr }, // 48
    { QLocale::CongoKinshasa, nullptr }, // 49
    { QLocale::CongoBrazzaville, nullptr }, // 50
    { QLocale::CookIslands, nullptr }, // 51
    { QLocale::CostaRica, nullptr }, // 52
    { QLocale::IvoryCoast, nullptr }, // 53
    { QLocale::Croatia, nullptr }, // 54
    { QLocale::Cuba, nullptr }, // 55
    { QLocale::Cyprus, nullptr }, // 56
    { QLocale::CzechRepublic, nullptr }, // 57
    { QLocale::Denmark, nullptr }, // 58
    { QLocale::Djibouti, nullptr }, // 59
    { QLocale::Dominica, nullptr }, // 60
    { QLocale::DominicanRepublic, nullptr }, // 61
    { QLocale::EastTimor, nullptr }, // 62
    { QLocale::Ecuador, nullptr }, // 63
    { QLocale::Egypt, nullptr }, // 64
    { QLocale::ElSalvador, nullptr }, // 65
    { QLocale::EquatorialGuinea, nullptr }, // 66
    { QLocale::Eritrea, nullptr }, // 67
    { QLocale::Estonia, nullptr }, // 68
    { QLocale::Ethiopia, nullptr }, // 69
    { QLocale::FalklandIslands, nullptr }, // 70
    { QLocale::FaroeIslands, nullptr }, // 71
    { QLocale::Fiji, nullptr }, // 72
    { QLocale::Finland, nullptr }, // 73
    { QLocale::France, nullptr }, // 74
    { QLocale::Guernsey, nullptr }, // 75
    { QLocale::FrenchGuiana, nullptr }, // 76
    { QLocale::FrenchPolynesia, nullptr }, // 77
    { QLocale::FrenchSouthernTerritories, nullptr }, // 78
    { QLocale::Gabon, nullptr }, // 79
    { QLocale::Gambia, nullptr }, // 80
    { QLocale::Georgia, nullptr }, // 81
    { QLocale::Germany, nullptr }, // 82
    { QLocale::Ghana, nullptr }, // 83
    { QLocale::Gibraltar, nullptr }, // 84
    { QLocale::Greece, nullptr }, // 85
    { QLocale::Greenland, nullptr }, // 86
    { QLocale::Grenada, nullptr }, // 87
    { QLocale::Guadeloupe, nullptr }, // 88
    { QLocale::Guam, nullptr }, // 89
    { QLocale::Guatemala, nullptr }, // 90
    { QLocale::Guinea, nullptr }, // 91
    { QLocale::GuineaBissau, nullptr }, // 92
    { QLocale::Guyana, nullptr }, // 93
    { QLocale::Haiti, nullptr }, // 94
    { QLocale::HeardAndMcDonaldIslands, nullptr }, // 95
    { QLocale::Honduras, nullptr }, // 96
    { QLocale::HongKong, nullptr }, // 97
    { QLocale::Hungary, nullptr }, // 98
    { QLocale::Iceland, nullptr }, // 99
    { QLocale::India, nullptr }, // 100
    { QLocale::Indonesia, nullptr }, // 101
    { QLocale::Iran, nullptr }, // 102
    { QLocale::Iraq, nullptr }, // 103
    { QLocale::Ireland, nullptr }, // 104
    { QLocale::Israel, nullptr }, // 105
    { QLocale::Italy, nullptr }, // 106
    { QLocale::Jamaica, nullptr }, // 107
    { QLocale::Japan, nullptr }, // 108
    { QLocale::Jordan, nullptr }, // 109
    { QLocale::Kazakhstan, nullptr }, // 110
    { QLocale::Kenya, nullptr }, // 111
    { QLocale::Kiribati, nullptr }, // 112
    { QLocale::NorthKorea, nullptr }, // 113
    { QLocale::SouthKorea, nullptr }, // 114
    { QLocale::Kuwait, nullptr }, // 115
    { QLocale::Kyrgyzstan, nullptr }, // 116
    { QLocale::Laos, nullptr }, // 117
    { QLocale::Latvia, nullptr }, // 118
    { QLocale::Lebanon, nullptr }, // 119
    { QLocale::Lesotho, nullptr }, // 120
    { QLocale::Liberia, nullptr }, // 121
    { QLocale::Libya, nullptr }, // 122
    { QLocale::Liechtenstein, nullptr }, // 123
    { QLocale::Lithuania, nullptr }, // 124
    { QLocale::Luxembourg, nullptr }, // 125
    { QLocale::Macau, nullptr }, // 126
    { QLocale::Macedonia, nullptr }, // 127
    { QLocale::Madagascar, nullptr }, // 128
    { QLocale::Malawi, nullptr }, // 129
    { QLocale::Malaysia, nullptr }, // 130
    { QLocale::Maldives, nullptr }, // 131
    { QLocale::Mali, nullptr }, // 132
    { QLocale::Malta, nullptr }, // 133
    { QLocale::MarshallIslands, nullptr }, // 134
    { QLocale::Martinique, nullptr }, // 135
    { QLocale::Mauritania, nullptr }, // 136
    { QLocale::Mauritius, nullptr }, // 137
    { QLocale::Mayotte, nullptr }, // 138
    { QLocale::Mexico, nullptr }, // 139
    { QLocale::Micronesia, nullptr }, // 140
    { QLocale::Moldova, nullptr }, // 141
    { QLocale::Monaco, nullptr }, // 142
    { QLocale::Mongolia, nullptr }, // 143
    { QLocale::Montserrat, nullptr }, // 144
    { QLocale::Morocco, nullptr }, // 145
    { QLocale::Mozambique, nullptr }, // 146
    { QLocale::Myanmar, nullptr }, // 147
    { QLocale::Namibia, nullptr }, // 148
    { QLocale::NauruCountry, nullptr }, // 149
    { QLocale::Nepal, nullptr }, // 150
    { QLocale::Netherlands, nullptr }, // 151
    { QLocale::CuraSao, nullptr }, // 152
    { QLocale::NewCaledonia, nullptr }, // 153
    { QLocale::NewZealand, nullptr }, // 154
    { QLocale::Nicaragua, nullptr }, // 155
    { QLocale::Niger, nullptr }, // 156
    { QLocale::Nigeria, nullptr }, // 157
    { QLocale::Niue, nullptr }, // 158
    { QLocale::NorfolkIsland, nullptr }, // 159
    { QLocale::NorthernMarianaIslands, nullptr }, // 160
    { QLocale::Norway, nullptr }, // 161
    { QLocale::Oman, nullptr }, // 162
    { QLocale::Pakistan, nullptr }, // 163
    { QLocale::Palau, nullptr }, // 164
    { QLocale::PalestinianTerritories, nullptr }, // 165
    { QLocale::Panama, nullptr }, // 166
    { QLocale::PapuaNewGuinea, nullptr }, // 167
    { QLocale::Paraguay, nullptr }, // 168
    { QLocale::Peru, nullptr }, // 169
    { QLocale::Philippines, nullptr }, // 170
    { QLocale::Pitcairn, nullptr }, // 171
    { QLocale::Poland, nullptr }, // 172
    { QLocale::Portugal, nullptr }, // 173
    { QLocale::PuertoRico, nullptr }, // 174
    { QLocale::Qatar, nullptr }, // 175
    { QLocale::Reunion, nullptr }, // 176
    { QLocale::Romania, nullptr }, // 177
    { QLocale::Russia, nullptr }, // 178
    { QLocale::Rwanda, nullptr }, // 179
    { QLocale::SaintKittsAndNevis, nullptr }, // 180
    { QLocale::SaintLucia, nullptr }, // 181
    { QLocale::SaintVincentAndTheGrenadines, nullptr }, // 182
    { QLocale::Samoa, nullptr }, // 183
    { QLocale::SanMarino, nullptr }, // 184
    { QLocale::SaoTomeAndPrincipe, nullptr }, // 185
    { QLocale::SaudiArabia, nullptr }, // 186
    { QLocale::Senegal, nullptr }, // 187
    { QLocale::Seychelles, nullptr }, // 188
    { QLocale::SierraLeone, nullptr }, // 189
    { QLocale::Singapore, nullptr }, // 190
    { QLocale::Slovakia, nullptr }, // 191
    { QLocale::Slovenia, nullptr }, // 192
    { QLocale::SolomonIslands, nullptr }, // 193
    { QLocale::Somalia, nullptr }, // 194
    { QLocale::SouthAfrica, nullptr }, // 195
    { QLocale::SouthGeorgiaAndTheSouthSandwichIslands, nullptr }, // 196
    { QLocale::Spain, nullptr }, // 197
    { QLocale::SriLanka, nullptr }, // 198
    { QLocale::SaintHelena, nullptr }, // 199
    { QLocale::SaintPierreAndMiquelon, nullptr }, // 200
    { QLocale::Sudan, nullptr }, // 201
    { QLocale::Suriname, nullptr }, // 202
    { QLocale::SvalbardAndJanMayenIslands, nullptr }, // 203
    { QLocale::Swaziland, nullptr }, // 204
    { QLocale::Sweden, nullptr }, // 205
    { QLocale::Switzerland, nullptr }, // 206
    { QLocale::Syria, nullptr }, // 207
    { QLocale::Taiwan, nullptr }, // 208
    { QLocale::Tajikistan, nullptr }, // 209
    { QLocale::Tanzania, nullptr }, // 210
    { QLocale::Thailand, nullptr }, // 211
    { QLocale::Togo, nullptr }, // 212
    { QLocale::TokelauCountry, nullptr }, // 213
    { QLocale::Tonga, nullptr }, // 214
    { QLocale::TrinidadAndTobago, nullptr }, // 215
    { QLocale::Tunisia, nullptr }, // 216
    { QLocale::Turkey, nullptr }, // 217
    { QLocale::Turkmenistan, nullptr }, // 218
    { QLocale::TurksAndCaicosIslands, nullptr }, // 219
    { QLocale::TuvaluCountry, nullptr }, // 220
    { QLocale::Uganda, nullptr }, // 221
    { QLocale::Ukraine, nullptr }, // 222
    { QLocale::UnitedArabEmirates, nullptr }, // 223
    { QLocale::UnitedKingdom, nullptr }, // 224
    { QLocale::UnitedStates, nullptr }, // 225
    { QLocale::UnitedStatesMinorOutlyingIslands, nullptr }, // 226
    { QLocale::Uruguay, nullptr }, // 227
    { QLocale::Uzbekistan, nullptr }, // 228
    { QLocale::Vanuatu, nullptr }, // 229
    { QLocale::VaticanCityState, nullptr }, // 230
    { QLocale::Venezuela, nullptr }, // 231
    { QLocale::Vietnam, nullptr }, // 232
    { QLocale::BritishVirginIslands, nullptr }, // 233
    { QLocale::UnitedStatesVirginIslands, nullptr }, // 234
    { QLocale::WallisAndFutunaIslands, nullptr }, // 235
    { QLocale::WesternSahara, nullptr }, // 236
    { QLocale::Yemen, nullptr }, // 237
    { QLocale::CanaryIslands, nullptr }, // 238
    { QLocale::Zambia, nullptr }, // 239
    { QLocale::Zimbabwe, nullptr }, // 240
    { QLocale::ClippertonIsland, nullptr }, // 241
    { QLocale::Montenegro, nullptr }, // 242
    { QLocale::Serbia, nullptr }, // 243
    { QLocale::SaintBarthelemy, nullptr }, // 244
    { QLocale::SaintMartin, nullptr }, // 245
    { QLocale::LatinAmerica, nullptr }, // 246
    { QLocale::AscensionIsland, nullptr }, // 247
    { QLocale::AlandIslands, nullptr }, // 248
    { QLocale::DiegoGarcia, nullptr }, // 249
    { QLocale::CeutaAndMelilla, nullptr }, // 250
    { QLocale::IsleOfMan, nullptr }, // 251
    { QLocale::Jersey, nullptr }, // 252
    { QLocale::TristanDaCunha, nullptr }, // 253
    { QLocale::SouthSudan, nullptr }, // 254
    { QLocale::Bonaire, nullptr }, // 255
    { QLocale::SintMaarten, nullptr }, // 256
    { QLocale::Kosovo, nullptr }, // 257
    { QLocale::EuropeanUnion, nullptr }, // 258
    { QLocale::OutlyingOceania, nullptr }, // 259
    { QLocale::World, nullptr }, // 260
    { QLocale::Europe, nullptr }, // 261
};

} // namespace

namespace {

const QString kUnknown = QStringLiteral("Unknown");

template <typename Entry, std::size_t N> const Entry* entryFor(const Entry (&table)[N], int number)
{
    return number >= 0 && std::size_t(number) < N ? &table[number] : nullptr;
}

} // namespace

QString Qt4Locale::languageName(int qt4Number)
{
    const LanguageEntry* entry = entryFor(kLanguages, qt4Number);
    if (!entry)
        return kUnknown;
    return entry->droppedName ? QString::fromLatin1(entry->droppedName)
                              : QLocale::languageToString(entry->language);
}

QString Qt4Locale::territoryName(int qt4Number)
{
    const TerritoryEntry* entry = entryFor(kTerritories, qt4Number);
    if (!entry)
        return kUnknown;
    return entry->droppedName ? QString::fromLatin1(entry->droppedName)
                              : QLocale::territoryToString(entry->territory);
}

QLocale::Language Qt4Locale::language(int qt4Number)
{
    const LanguageEntry* entry = entryFor(kLanguages, qt4Number);
    return entry && !entry->droppedName ? entry->language : QLocale::AnyLanguage;
}

QLocale::Territory Qt4Locale::territory(int qt4Number)
{
    const TerritoryEntry* entry = entryFor(kTerritories, qt4Number);
    return entry && !entry->droppedName ? entry->territory : QLocale::AnyTerritory;
}

int Qt4Locale::languageCount()
{
    return int(std::size(kLanguages));
}

int Qt4Locale::territoryCount()
{
    return int(std::size(kTerritories));
}
