#include "tools/sampledb/world_data.h"

#include <array>

namespace kv::sampledb {
namespace {

// Indexed by Lang.
constexpr std::array<NamePool, 25> kNamePools = {{
    {"João|José|Pedro|Lucas|Gabriel|Rafael|Thiago|Bruno|Felipe|Rodrigo|Diego|Marcelo|André|"
     "Carlos|Eduardo|Fábio|Gustavo|Leandro|Mateus|Vinícius|Caio|Renato|Wellington|Anderson|"
     "Everton|Júlio|Márcio|Luciano|Ricardo|Sérgio|Douglas|Alex|Henrique|Otávio",
     "Silva|Santos|Oliveira|Souza|Lima|Pereira|Ferreira|Costa|Rodrigues|Almeida|Nascimento|"
     "Carvalho|Araújo|Ribeiro|Gomes|Martins|Rocha|Barbosa|Cardoso|Teixeira|Moreira|Mendes|"
     "Freitas|Cavalcanti|Monteiro|Pinto|Vieira|Batista|Campos|Moura|Dias|Nogueira|Macedo|Brito"},
    {"João|Rui|Nuno|Tiago|Ricardo|Hugo|Miguel|Paulo|Bruno|Diogo|Gonçalo|Rúben|Sérgio|Vítor|Luís|"
     "Fernando|Filipe|Jorge|Daniel|André",
     "Fernandes|Gonçalves|Carvalho|Sousa|Pinto|Mendes|Tavares|Lopes|Marques|Figueiredo|Correia|"
     "Nunes|Coelho|Magalhães|Antunes|Baptista|Pires|Simões|Fonseca|Rebelo"},
    {"Juan|Carlos|José|Luis|Miguel|Javier|Alejandro|Diego|Pablo|Sergio|Andrés|Fernando|Jorge|"
     "Raúl|Daniel|Manuel|Álvaro|Martín|Nicolás|Gonzalo|Matías|Sebastián|Emiliano|Facundo",
     "García|Rodríguez|González|Fernández|López|Martínez|Sánchez|Pérez|Gómez|Díaz|Romero|Torres|"
     "Ruiz|Álvarez|Moreno|Castro|Vargas|Herrera|Medina|Rojas|Suárez|Ortiz|Molina|Aguirre|Ramos|"
     "Navarro|Cabrera|Ríos"},
    {"James|John|Michael|David|Daniel|Thomas|Matthew|Andrew|Ryan|Jack|Harry|Luke|Adam|Joe|Sam|"
     "Ben|Chris|Mark|Paul|Steven|Liam|Connor|Jamie|Scott",
     "Smith|Jones|Taylor|Brown|Wilson|Evans|Thomas|Johnson|Roberts|Walker|Wright|Robinson|"
     "Thompson|White|Hughes|Green|Hall|Wood|Clarke|Jackson|Turner|Hill|Baker|Morris|Cooper|Ward"},
    {"Marco|Luca|Andrea|Alessandro|Matteo|Francesco|Lorenzo|Davide|Simone|Federico|Stefano|"
     "Giuseppe|Antonio|Paolo|Riccardo|Fabio|Daniele|Giorgio|Nicola|Emanuele",
     "Rossi|Russo|Ferrari|Esposito|Bianchi|Romano|Colombo|Ricci|Marino|Greco|Bruno|Gallo|Conti|"
     "De Luca|Mancini|Costa|Giordano|Rizzo|Lombardi|Moretti|Barbieri|Fontana|Santoro|Caruso"},
    {"Thomas|Michael|Andreas|Stefan|Christian|Markus|Jan|Tobias|Sebastian|Florian|Lukas|Jonas|"
     "Felix|Maximilian|Daniel|Matthias|Kevin|Dennis|Niklas|Patrick",
     "Müller|Schmidt|Schneider|Fischer|Weber|Meyer|Wagner|Becker|Schulz|Hoffmann|Koch|Richter|"
     "Klein|Wolf|Schröder|Neumann|Braun|Zimmermann|Krüger|Hartmann|Lange|Werner|Krause|Vogel"},
    {"Thomas|Nicolas|Julien|Maxime|Alexandre|Antoine|Kévin|Romain|Mathieu|Sébastien|Guillaume|"
     "Pierre|Hugo|Lucas|Clément|Florian|Yann|Benoît|Jérôme|Olivier",
     "Martin|Bernard|Dubois|Durand|Leroy|Moreau|Simon|Laurent|Lefebvre|Michel|Garcia|Roux|"
     "Fournier|Girard|Bonnet|Dupont|Lambert|Fontaine|Rousseau|Vincent|Mercier|Blanc|Chevalier"},
    {"Jan|Pieter|Dirk|Bas|Joost|Ruud|Wesley|Sander|Niels|Thijs|Daan|Bram|Jeroen|Tim|Kevin|Stijn|"
     "Lars|Koen|Jasper|Maarten",
     "de Jong|Jansen|de Vries|van den Berg|van Dijk|Bakker|Janssen|Visser|Smit|Meijer|de Boer|"
     "Mulder|de Groot|Bos|Vos|Peters|Hendriks|van Leeuwen|Dekker|Brouwer|Kok|Verhoeven"},
    {"Hiroshi|Takashi|Kenji|Daisuke|Yuki|Shinji|Keisuke|Yuto|Kazuki|Ryota|Takumi|Shota|Naoki|"
     "Makoto|Yasuhito|Hiroki|Atsushi|Koji",
     "Sato|Suzuki|Takahashi|Tanaka|Watanabe|Ito|Yamamoto|Nakamura|Kobayashi|Kato|Yoshida|Yamada|"
     "Sasaki|Yamaguchi|Matsumoto|Inoue|Kimura|Hayashi|Shimizu|Mori|Ikeda|Ogawa"},
    {"Min-jun|Seo-jun|Ji-ho|Hyun-woo|Sung-min|Dong-hyun|Jae-won|Young-ho|Tae-hee|Sang-woo|Jin-su|"
     "Kyung-min|Joon-ho|Woo-jin",
     "Kim|Lee|Park|Choi|Jung|Kang|Cho|Yoon|Jang|Lim|Han|Oh|Seo|Shin|Kwon|Hwang|Ahn|Song"},
    {"Wei|Hao|Jun|Lei|Jian|Ming|Yang|Tao|Peng|Bo|Chao|Gang|Long|Xin|Yong|Zhi|Feng|Kai",
     "Wang|Li|Zhang|Liu|Chen|Yang|Huang|Zhao|Wu|Zhou|Xu|Sun|Ma|Zhu|Hu|Guo|He|Gao|Lin|Luo"},
    {"Mohamed|Ahmed|Ali|Omar|Khalid|Hassan|Youssef|Ibrahim|Karim|Tarek|Said|Nasser|Fahad|Hamza|"
     "Samir|Mustafa|Rachid|Walid|Anis|Bilal",
     "Al-Harbi|Al-Qahtani|Hassan|Ibrahim|Mansour|Salem|Haddad|Nasser|Abdallah|Khalil|Farouk|"
     "Benali|Mahmoud|Saleh|Bakr|Amrani|Zaki|Hamdi|Al-Shamsi|Belkacem|Trabelsi|Fathi"},
    {"Aleksandr|Sergei|Dmitri|Andrei|Alexei|Ivan|Mikhail|Nikolai|Yuri|Pavel|Igor|Oleg|Roman|"
     "Vladimir|Artem|Denis|Maksim|Kirill",
     "Ivanov|Smirnov|Kuznetsov|Popov|Sokolov|Lebedev|Kozlov|Novikov|Morozov|Petrov|Volkov|"
     "Solovyov|Vasiliev|Zaitsev|Pavlov|Semenov|Golubev|Vinogradov|Bogdanov|Fedorov|Kovalenko|"
     "Shevchuk|Bondarenko|Tkachenko"},
    {"Mehmet|Mustafa|Ahmet|Ali|Hüseyin|Hasan|Ibrahim|Murat|Emre|Burak|Serkan|Volkan|Arda|Selçuk|"
     "Hakan|Tolga|Oguz|Caner",
     "Yilmaz|Kaya|Demir|Çelik|Sahin|Yildiz|Yildirim|Öztürk|Aydin|Özdemir|Arslan|Dogan|Kiliç|"
     "Aslan|Çetin|Kara|Koç|Kurt|Polat|Erdem"},
    {"Giorgos|Dimitris|Kostas|Nikos|Giannis|Christos|Vasilis|Panagiotis|Thanasis|Stelios|"
     "Sotiris|Kyriakos|Michalis|Angelos",
     "Papadopoulos|Papadakis|Georgiou|Nikolaidis|Karagiannis|Vlachos|Oikonomou|Makris|Alexiou|"
     "Dimitriou|Konstantinidis|Papageorgiou|Christodoulou|Antoniou|Samaras|Ioannidis"},
    {"Ivan|Marko|Luka|Stefan|Nikola|Josip|Mario|Dario|Milan|Dejan|Zoran|Goran|Petar|Filip|Ante|"
     "Edin|Emir|Haris|Amar|Nemanja",
     "Horvat|Kovacevic|Babic|Maric|Juric|Novak|Petrovic|Jovanovic|Nikolic|Markovic|Djordjevic|"
     "Ilic|Pavlovic|Hodzic|Begic|Mehmedovic|Tomic|Vukovic|Radic|Simic|Kovac|Lukic"},
    {"Jan|Petr|Tomáš|Martin|Jakub|Lukáš|Pavel|Jirí|Michal|David|Ondrej|Marek|Filip|Roman|Peter|"
     "Juraj",
     "Novák|Svoboda|Novotný|Dvorák|Cerný|Procházka|Kucera|Veselý|Horák|Nemec|Marek|Pokorný|"
     "Král|Jelínek|Ružicka|Beneš|Kovác|Šimko"},
    {"Piotr|Krzysztof|Tomasz|Pawel|Marcin|Michal|Jakub|Kamil|Lukasz|Grzegorz|Adam|Mateusz|"
     "Bartosz|Dawid",
     "Nowak|Kowalski|Wisniewski|Wójcik|Kowalczyk|Kaminski|Zielinski|Szymanski|Wozniak|"
     "Dabrowski|Kozlowski|Jankowski|Mazur|Krawczyk|Piotrowski|Grabowski"},
    {"Andrei|Alexandru|Mihai|Ionut|Florin|Cristian|Adrian|Bogdan|Gabriel|Razvan|Vlad|Sorin|"
     "Marius|Cosmin",
     "Popescu|Ionescu|Popa|Dumitru|Stan|Stoica|Gheorghe|Matei|Ciobanu|Constantin|Munteanu|Rusu|"
     "Lazar|Marin|Tudor|Dinu"},
    {"László|István|Zoltán|Gábor|Péter|Attila|Balázs|Tamás|Dániel|Ádám|Krisztián|Norbert",
     "Nagy|Kovács|Tóth|Szabó|Horváth|Varga|Kiss|Molnár|Németh|Farkas|Balogh|Papp|Takács|"
     "Juhász|Lakatos|Mészáros"},
    {"Erik|Lars|Anders|Johan|Magnus|Henrik|Mikkel|Kasper|Jonas|Ole|Kristian|Emil|Oskar|Fredrik|"
     "Mattias|Rasmus|Sindre|Viktor",
     "Andersson|Johansson|Karlsson|Nilsson|Larsen|Hansen|Jensen|Nielsen|Pedersen|Olsen|Berg|"
     "Lindqvist|Eriksen|Dahl|Holm|Lund|Bakke|Halvorsen|Sørensen|Lindberg"},
    {"Ali|Reza|Mehdi|Hossein|Mohammad|Amir|Saeed|Javad|Karim|Masoud|Ehsan|Omid|Farhad|Hamid",
     "Ahmadi|Hosseini|Karimi|Rezaei|Moradi|Mohammadi|Rahimi|Jafari|Ghorbani|Sadeghi|Nouri|"
     "Heidari|Kazemi|Ebrahimi|Shahbazi|Ansari"},
    {"Kwame|Kofi|Emmanuel|Samuel|Joseph|Ibrahim|Moussa|Abdoulaye|Seydou|Chinedu|Obinna|Yaw|"
     "Didier|Jean|Mamadou|Sadio|Victor|Godfrey|Thabo|Sipho|Cheikh|Lamine|Patrice|Blessing",
     "Mensah|Owusu|Boateng|Asante|Okafor|Okonkwo|Adebayo|Eze|Diallo|Traoré|Koné|Touré|Camara|"
     "Cissé|Ndiaye|Diop|Mbeki|Nkosi|Banda|Phiri|Mwale|Kamara|Sow|Mbala|Nwosu|Bamba"},
    {"Somchai|Anan|Chaiwat|Kittisak|Nattapong|Prasit|Surachai|Teerasil|Wichai|Thanawat",
     "Srisuk|Chaiyaporn|Boonmee|Wongsa|Saelim|Thongchai|Phromma|Kaewkla|Sukprasert|Jantarasri"},
    {"Giorgi|Levan|Davit|Zurab|Irakli|Otar|Nika|Lasha|Tornike|Vakhtang",
     "Beridze|Kapanadze|Gelashvili|Maisuradze|Tsiklauri|Lomidze|Japaridze|Gogua|Chikhradze|"
     "Abashidze"},
}};

constexpr ClubStyle kBrazilianStyles[] = {
    {"{c} EC", "Esporte Clube {c}"},
    {"Atlético {c}", "Clube Atlético {c}"},
    {"{c} FC", "{c} Futebol Clube"},
    {"União {c}", "União Esportiva {c}"},
    {"Sport {c}", "Sport Club {c}"},
    {"AA {c}", "Associação Atlética {c}"},
    {"Operário {c}", "Operário FC {c}"},
    {"Ferroviário {c}", "Ferroviário EC {c}"},
    {"Independente {c}", "Independente {c} FC"},
    {"Real {c}", "Real Esporte Clube {c}"},
    {"Nacional {c}", "Nacional AC {c}"},
    {"Comercial {c}", "Comercial FC {c}"},
    {"Estrela {c}", "Estrela EC {c}"},
    {"Esportivo {c}", "Clube Esportivo {c}"},
};
constexpr ClubStyle kPortugueseStyles[] = {
    {"SC {c}", "Sporting Clube de {c}"},        {"FC {c}", "Futebol Clube de {c}"},
    {"Desportivo {c}", "Grupo Desportivo {c}"}, {"União {c}", "União Desportiva {c}"},
    {"Académico {c}", "Académico de {c}"},      {"Atlético {c}", "Atlético Clube de {c}"},
};
constexpr ClubStyle kSpanishStyles[] = {
    {"CD {c}", "Club Deportivo {c}"},      {"Atlético {c}", "Club Atlético {c}"},
    {"Deportivo {c}", "Deportivo {c} FC"}, {"Unión {c}", "Unión Deportiva {c}"},
    {"{c} CF", "{c} Club de Fútbol"},      {"Racing {c}", "Racing Club {c}"},
    {"Sportivo {c}", "Club Sportivo {c}"}, {"Juventud {c}", "Club Juventud {c}"},
};
constexpr ClubStyle kEnglishStyles[] = {
    {"{c} Rovers", "{c} Rovers FC"},       {"{c} Athletic", "{c} Athletic FC"},
    {"{c} Wanderers", "{c} Wanderers FC"}, {"{c} Albion", "{c} Albion FC"},
    {"{c} Borough", "{c} Borough FC"},     {"{c} Town", "{c} Town FC"},
    {"{c} United", "{c} United FC"},       {"{c} Harriers", "{c} Harriers FC"},
};
constexpr ClubStyle kItalianStyles[] = {
    {"AC {c}", "Associazione Calcio {c}"}, {"US {c}", "Unione Sportiva {c}"},
    {"{c} Calcio", "{c} Calcio"},          {"Sporting {c}", "Sporting Club {c}"},
    {"Virtus {c}", "Virtus {c} Calcio"},   {"Pro {c}", "Pro {c} Calcio"},
};
constexpr ClubStyle kGermanStyles[] = {
    {"FC {c}", "1. FC {c}"},
    {"SV {c}", "Sportverein {c}"},
    {"VfB {c}", "VfB {c}"},
    {"TSV {c}", "TSV {c}"},
    {"Eintracht {c}", "SG Eintracht {c}"},
    {"Fortuna {c}", "SC Fortuna {c}"},
};
constexpr ClubStyle kFrenchStyles[] = {
    {"FC {c}", "Football Club de {c}"},    {"AS {c}", "Association Sportive {c}"},
    {"Olympique {c}", "Olympique de {c}"}, {"Stade {c}", "Stade {c}"},
    {"Racing {c}", "Racing Club de {c}"},  {"US {c}", "Union Sportive {c}"},
};
constexpr ClubStyle kDutchStyles[] = {
    {"FC {c}", "Football Club {c}"},
    {"SC {c}", "Sportclub {c}"},
    {"VV {c}", "Voetbalvereniging {c}"},
    {"Sparta {c}", "Sparta {c}"},
    {"{c} Boys", "{c} Boys"},
    {"Quick {c}", "Quick {c}"},
};
constexpr ClubStyle kEasternStyles[] = {
    {"Dinamo {c}", "FK Dinamo {c}"},     {"Torpedo {c}", "FK Torpedo {c}"},
    {"FK {c}", "Futbolny Klub {c}"},     {"Lokomotiv {c}", "FK Lokomotiv {c}"},
    {"Metalist {c}", "FK Metalist {c}"}, {"Olimpik {c}", "FK Olimpik {c}"},
};
constexpr ClubStyle kTurkishStyles[] = {
    {"{c} Gençlik", "{c} Gençlik Spor"},
    {"{c} Belediye", "{c} Belediyespor"},
    {"{c} Idman", "{c} Idman Yurdu"},
    {"{c} Gücü", "{c} Gücü Spor"},
};
constexpr ClubStyle kArabicStyles[] = {
    {"Al {c}", "Al {c} Club"},
    {"{c} SC", "{c} Sporting Club"},
    {"Ittihad {c}", "Al Ittihad {c}"},
    {"Nahda {c}", "Al Nahda {c}"},
};
constexpr ClubStyle kGenericStyles[] = {
    {"{c} FC", "{c} Football Club"}, {"{c} SC", "{c} Sporting Club"},
    {"{c} United", "{c} United FC"}, {"Real {c}", "Real {c} FC"},
    {"{c} Stars", "{c} Stars FC"},   {"{c} City", "{c} City FC"},
};

struct LanguageCountries {
    Lang lang;
    std::array<int, 24> countries;  // 0 ends the list early where it has fewer
};

// Country indexes by language; a country not listed speaks English in the database. Zeros pad
// the lists, so Afeganistão (0) is looked up under Persian only.
constexpr LanguageCountries kLanguages[] = {
    {Lang::kBrazilian, {29}},
    {Lang::kPortuguese, {154, 5, 133, 35, 82, 167}},
    {Lang::kSpanish,
     {11, 26, 42, 46, 60, 65, 131, 150, 151, 195, 198, 51, 86, 147, 79, 58, 139, 53, 158, 153, 83}},
    {Lang::kItalian, {104, 164}},
    {Lang::kGerman, {3, 15, 180, 118}},
    {Lang::kFrench, {72, 21, 135, 184, 84, 120, 123}},
    {Lang::kDutch, {85, 181, 8, 13}},
    {Lang::kJapanese, {107}},
    {Lang::kKorean, {49, 48}},
    {Lang::kChinese, {43, 87, 121, 185, 173}},
    {Lang::kArabic,
     {9, 39, 59, 57, 129, 10, 190, 116, 178, 108, 111, 144, 89, 99, 115, 146, 174, 18, 130}},
    {Lang::kRussian, {162, 193, 25, 40, 134, 196, 182, 155, 191, 16, 12, 66, 114, 119}},
    {Lang::kTurkish, {192}},
    {Lang::kGreek, {78, 44}},
    {Lang::kSlavicSouth, {52, 171, 27, 105, 64, 122, 110}},
    {Lang::kCzech, {159, 63}},
    {Lang::kPolish, {152}},
    {Lang::kRomanian, {160}},
    {Lang::kHungarian, {88}},
    {Lang::kNordic, {179, 142, 54, 70, 102, 92}},
    {Lang::kPersian, {98, 0}},
    {Lang::kAfrican, {1,   36, 50,  169, 127, 81, 47, 157, 73, 32,  23,  187,
                      140, 41, 156, 161, 33,  55, 75, 141, 67, 201, 200, 109}},
    {Lang::kThai, {183}},
    {Lang::kGeorgian, {76}},
};

constexpr CountryPlan kCountryPlans[] = {
    // Countries a player may choose as a league: at least 22 clubs each.
    {11, 24, 20, 7,
     "Rosario|Córdoba|Mendoza|La Plata|Mar del Plata|Tucumán|Santa Fe|Salta|Paraná|Bahía Blanca|"
     "Quilmes|Lanús|Avellaneda|San Juan|Jujuy|Neuquén|Corrientes|Posadas|Rafaela|Junín|Tandil|"
     "Banfield|Olavarría|Río Cuarto"},
    {97, 24, 21, 8,
     "Ashford|Banbury|Bedford|Chelmsford|Chester|Darlington|Dorchester|Durham|Guildford|Harrogate|"
     "Hastings|Hereford|Kendal|Lancaster|Lincoln|Maidstone|Salisbury|Shrewsbury|Taunton|Telford|"
     "Truro|Winchester|Worcester|Yeovil"},
    {65, 24, 21, 8,
     "Burgos|León|Salamanca|Cáceres|Albacete|Murcia|Almería|Córdoba|Jaén|Huelva|Cádiz|Granada|"
     "Toledo|Logroño|Pamplona|Santander|Oviedo|Lugo|Vigo|Girona|Tarragona|Lleida|Castellón|"
     "Alicante"},
    {104, 24, 21, 8,
     "Bergamo|Brescia|Verona|Padova|Vicenza|Trieste|Parma|Modena|Reggio|Livorno|Pisa|Perugia|"
     "Ancona|Pescara|Bari|Lecce|Salerno|Catania|Palermo|Messina|Cosenza|Como|Monza|Novara"},
    {3, 24, 21, 8,
     "Aachen|Bielefeld|Bochum|Braunschweig|Bremen|Darmstadt|Dresden|Erfurt|Freiburg|Hannover|"
     "Karlsruhe|Kassel|Kiel|Koblenz|Mannheim|Münster|Nürnberg|Oldenburg|Osnabrück|Paderborn|"
     "Regensburg|Rostock|Ulm|Würzburg"},
    {72, 22, 20, 8,
     "Amiens|Angers|Brest|Caen|Dijon|Grenoble|Le Havre|Le Mans|Lorient|Metz|Montpellier|Nancy|"
     "Nîmes|Orléans|Reims|Rennes|Rouen|Strasbourg|Toulon|Tours|Troyes|Valence"},
    {154, 22, 19, 7,
     "Braga|Coimbra|Aveiro|Viseu|Leiria|Setúbal|Faro|Guimarães|Barcelos|Chaves|Covilhã|Évora|"
     "Beja|Portimão|Tondela|Famalicão|Penafiel|Olhão|Estoril|Amadora|Almada|Vizela"},
    {85, 22, 19, 7,
     "Alkmaar|Almere|Arnhem|Breda|Deventer|Dordrecht|Eindhoven|Emmen|Enschede|Groningen|Haarlem|"
     "Heerenveen|Helmond|Leeuwarden|Maastricht|Nijmegen|Oss|Tilburg|Utrecht|Venlo|Zwolle|Leiden"},
    {131, 22, 18, 7,
     "Guadalajara|Monterrey|Puebla|Toluca|León|Querétaro|Tijuana|Pachuca|Morelia|Veracruz|Mérida|"
     "Cancún|Oaxaca|Chihuahua|Hermosillo|Culiacán|Mazatlán|Saltillo|Torreón|Durango|Zacatecas|"
     "Celaya"},
    {195, 22, 16, 6,
     "Montevideo|Salto|Paysandú|Rivera|Maldonado|Tacuarembó|Melo|Mercedes|Artigas|Minas|Durazno|"
     "Florida|San José|Colonia|Rocha|Treinta y Tres|Canelones|Fray Bentos|Carmelo|Young|Trinidad|"
     "Las Piedras"},
    {68, 22, 14, 5,
     "Portland|Denver|Phoenix|Austin|Nashville|Memphis|Tulsa|Omaha|Boise|Reno|Albany|Richmond|"
     "Raleigh|Charlotte|Tampa|Orlando|Sacramento|Fresno|Spokane|Tucson|Louisville|Pittsburgh"},
    {107, 22, 15, 6,
     "Sendai|Niigata|Kanazawa|Shizuoka|Hamamatsu|Okayama|Hiroshima|Fukuoka|Kumamoto|Nagasaki|"
     "Kagoshima|Oita|Matsuyama|Kochi|Tokushima|Kofu|Mito|Utsunomiya|Akita|Morioka|Sapporo|Nara"},
    // South America: enough clubs for both continental cups.
    {150, 6, 13, 7, "Asunción|Encarnación|Ciudad del Este|Concepción|Luque|Villarrica"},
    {42, 6, 14, 7, "Valparaíso|Concepción|Temuco|Antofagasta|Iquique|Talca"},
    {46, 6, 14, 7, "Medellín|Cali|Barranquilla|Bucaramanga|Pereira|Manizales"},
    {60, 6, 13, 6, "Quito|Guayaquil|Cuenca|Ambato|Manta|Loja"},
    {151, 4, 12, 6, "Lima|Arequipa|Cusco|Trujillo"},
    {26, 4, 11, 5, "La Paz|Cochabamba|Santa Cruz|Oruro"},
    {198, 4, 11, 5, "Caracas|Maracaibo|Valencia|Barquisimeto"},
    // Europe
    {162, 4, 16, 10, "Kazan|Samara|Rostov|Perm"},
    {193, 4, 15, 9, "Kharkiv|Odesa|Lviv|Dnipro"},
    {78, 4, 14, 9, "Patras|Larissa|Volos|Ioannina"},
    {160, 4, 13, 8, "Cluj|Iasi|Craiova|Timisoara"},
    {62, 4, 14, 9, "Dundee|Perth|Inverness|Stirling"},
    {21, 4, 15, 9, "Gent|Brugge|Charleroi|Liège"},
    {159, 4, 13, 8, "Brno|Ostrava|Plzen|Olomouc"},
    {192, 4, 16, 10, "Antalya|Kayseri|Sivas|Samsun"},
    {15, 4, 13, 8, "Graz|Linz|Salzburg|Innsbruck"},
    {52, 4, 13, 8, "Split|Rijeka|Osijek|Zadar"},
    {31, 4, 12, 7, "Plovdiv|Varna|Burgas|Ruse"},
    {88, 4, 12, 7, "Debrecen|Szeged|Pécs|Gyor"},
    {171, 4, 12, 7, "Novi Sad|Nis|Kragujevac|Subotica"},
    {179, 4, 13, 8, "Malmö|Göteborg|Örebro|Uppsala"},
    {152, 4, 12, 7, "Poznan|Wroclaw|Gdansk|Lublin"},
    {180, 4, 13, 8, "Basel|Bern|Luzern|Lugano"},
    {76, 4, 10, 6, "Tbilisi|Kutaisi|Batumi|Rustavi"},
    {142, 4, 12, 7, "Bergen|Trondheim|Stavanger|Tromsø"},
    {27, 4, 11, 6, "Sarajevo|Mostar|Tuzla|Zenica"},
    {54, 4, 13, 7, "Aarhus|Odense|Aalborg|Esbjerg"},
    {44, 4, 10, 6, "Nicosia|Limassol|Larnaca|Paphos"},
    {25, 4, 10, 6, "Minsk|Gomel|Brest|Vitebsk"},
    // Asia and Oceania
    {9, 4, 14, 8, "Riyadh|Jeddah|Dammam|Medina"},
    {43, 4, 13, 8, "Shanghai|Guangzhou|Shenzhen|Wuhan"},
    {49, 4, 14, 8, "Seoul|Busan|Daegu|Incheon"},
    {39, 4, 13, 7, "Doha|Al Rayyan|Al Wakrah|Al Khor"},
    {98, 4, 13, 7, "Tehran|Isfahan|Tabriz|Shiraz"},
    {59, 4, 13, 7, "Dubai|Abu Dhabi|Sharjah|Al Ain"},
    {196, 4, 11, 6, "Tashkent|Samarkand|Bukhara|Namangan"},
    {14, 4, 12, 7, "Brisbane|Adelaide|Perth|Hobart"},
    {183, 4, 11, 6, "Bangkok|Chiang Mai|Khon Kaen|Pattaya"},
    {143, 4, 9, 5, "Auckland|Wellington|Christchurch|Dunedin"},
    {148, 4, 7, 4, "Port Moresby|Lae|Madang|Goroka"},
    // North and Central America
    {51, 4, 11, 6, "San José|Alajuela|Heredia|Cartago"},
    {38, 4, 10, 6, "Toronto|Montreal|Calgary|Edmonton"},
    // Africa
    {57, 4, 14, 8, "Cairo|Alexandria|Giza|Port Said"},
    {129, 4, 13, 8, "Casablanca|Rabat|Fès|Marrakech"},
    {190, 4, 13, 7, "Tunis|Sfax|Sousse|Bizerte"},
    {1, 4, 13, 7, "Durban|Pretoria|Cape Town|Soweto"},
    {47, 4, 9, 5, "Brazzaville|Pointe-Noire|Dolisie|Owando"},
    {50, 4, 11, 6, "Abidjan|Bouaké|Yamoussoukro|San Pedro"},
    {75, 4, 11, 6, "Accra|Kumasi|Tamale|Takoradi"},
    {10, 4, 12, 7, "Alger|Oran|Constantine|Sétif"},
    {141, 4, 12, 7, "Lagos|Kano|Ibadan|Enugu"},
    {127, 4, 9, 5, "Bamako|Sikasso|Kayes|Ségou"},
    {67, 4, 9, 5, "Addis Abeba|Dire Dawa|Mekele|Gondar"},
    {36, 4, 11, 6, "Yaoundé|Douala|Garoua|Bamenda"},
    {5, 4, 11, 6, "Luanda|Huambo|Benguela|Lobito"},
    {157, 4, 11, 6, "Kinshasa|Lubumbashi|Mbuji-Mayi|Kisangani"},
    {178, 4, 10, 6, "Khartoum|Omdurman|Port Sudan|Kassala"},
    {201, 4, 9, 5, "Harare|Bulawayo|Mutare|Gweru"},
    {200, 4, 9, 5, "Lusaka|Ndola|Kitwe|Kabwe"},
    {81, 4, 9, 5, "Conakry|Kankan|Labé|Kindia"},
};

constexpr StatePlan kStatePlans[] = {
    {0, 0, "Rio Branco|Cruzeiro do Sul|Sena Madureira|Tarauacá"},
    {1, 1, "Maceió|Arapiraca|Palmeira dos Índios|Rio Largo|Penedo|União dos Palmares"},
    {2, 1, "Manaus|Parintins|Itacoatiara|Manacapuru|Coari|Tefé"},
    {3, 0, "Macapá|Santana|Laranjal do Jari|Oiapoque"},
    {4, 3, "Salvador|Feira de Santana|Vitória da Conquista|Itabuna|Juazeiro|Ilhéus"},
    {5, 2, "Fortaleza|Juazeiro do Norte|Sobral|Crato|Maracanaú|Iguatu"},
    {6, 1, "Brasília|Taguatinga|Gama|Ceilândia|Sobradinho|Planaltina"},
    {7, 1, "Vitória|Vila Velha|Serra|Cariacica|Linhares|Colatina"},
    {8, 2, "Goiânia|Anápolis|Jataí|Rio Verde|Catalão|Itumbiara"},
    {9, 1, "São Luís|Imperatriz|Caxias|Timon|Bacabal|Codó"},
    {10, 4,
     "Belo Horizonte|Uberlândia|Juiz de Fora|Contagem|Montes Claros|Uberaba|Ipatinga|Valadares|"
     "Divinópolis|Poços de Caldas|Varginha|Patos de Minas"},
    {11, 1, "Campo Grande|Dourados|Três Lagoas|Corumbá|Ponta Porã|Naviraí"},
    {12, 1, "Cuiabá|Várzea Grande|Rondonópolis|Sinop|Cáceres|Tangará da Serra"},
    {13, 2, "Belém|Ananindeua|Santarém|Marabá|Castanhal|Parauapebas"},
    {14, 1, "João Pessoa|Campina Grande|Patos|Sousa|Cajazeiras|Bayeux"},
    {15, 3, "Recife|Olinda|Caruaru|Petrolina|Jaboatão|Garanhuns"},
    {16, 1, "Teresina|Parnaíba|Picos|Floriano|Piripiri|Campo Maior"},
    {17, 3, "Curitiba|Londrina|Maringá|Ponta Grossa|Cascavel|Foz do Iguaçu"},
    {18, 4,
     "Rio de Janeiro|Niterói|Volta Redonda|Campos|Petrópolis|Nova Iguaçu|Macaé|Resende|"
     "Cabo Frio|Friburgo|Duque de Caxias|Teresópolis"},
    {19, 1, "Natal|Mossoró|Parnamirim|Caicó|Currais Novos|Açu"},
    {20, 0, "Porto Velho|Ji-Paraná|Ariquemes|Vilhena"},
    {21, 0, "Boa Vista|Rorainópolis|Caracaraí|Mucajaí"},
    {22, 4,
     "Porto Alegre|Caxias do Sul|Pelotas|Santa Maria|Passo Fundo|Novo Hamburgo|Bagé|Erechim|"
     "Santa Cruz do Sul|Rio Grande|Uruguaiana|Canoas"},
    {23, 3, "Florianópolis|Joinville|Blumenau|Criciúma|Chapecó|Itajaí"},
    {24, 1, "Aracaju|Lagarto|Itabaiana|Estância|Propriá|Simão Dias"},
    {25, 4,
     "São Paulo|Campinas|Santos|Ribeirão Preto|Sorocaba|São José dos Campos|Piracicaba|Bauru|"
     "Jundiaí|Franca|Araraquara|Presidente Prudente|Marília|Limeira|Americana|Mogi Mirim|"
     "Rio Claro|Bragança Paulista"},
    {26, 0, "Palmas|Araguaína|Gurupi|Porto Nacional"},
};

constexpr NationalPlan kNationalPlans[] = {
    {29, 22},  {11, 21},  {3, 22},   {65, 22},  {85, 20},  {72, 20},  {104, 20}, {97, 20},
    {154, 19}, {21, 19},  {195, 19}, {46, 18},  {42, 18},  {52, 18},  {131, 17}, {180, 17},
    {60, 16},  {162, 16}, {78, 15},  {27, 15},  {50, 16},  {75, 15},  {141, 15}, {36, 14},
    {10, 14},  {107, 15}, {49, 14},  {98, 13},  {14, 13},  {68, 15},  {51, 13},  {86, 12},
    {151, 15}, {150, 15}, {26, 12},  {198, 13}, {159, 16}, {179, 16}, {192, 16}, {152, 16},
    {193, 16}, {54, 16},  {160, 14}, {142, 14}, {171, 15}, {31, 13},  {63, 14},  {100, 14},
    {62, 14},  {57, 14},  {129, 14}, {190, 13}, {1, 13},   {169, 14}, {9, 13},   {39, 12},
    {43, 12},  {59, 11},  {38, 12},  {147, 11}, {106, 11}, {143, 10}, {184, 6},
};

}  // namespace

const NamePool& NamesOf(Lang lang) {
    return kNamePools[static_cast<std::size_t>(lang)];
}

std::span<const ClubStyle> ClubStylesOf(Lang lang) {
    switch (lang) {
        case Lang::kBrazilian:
            return kBrazilianStyles;
        case Lang::kPortuguese:
            return kPortugueseStyles;
        case Lang::kSpanish:
            return kSpanishStyles;
        case Lang::kEnglish:
            return kEnglishStyles;
        case Lang::kItalian:
            return kItalianStyles;
        case Lang::kGerman:
            return kGermanStyles;
        case Lang::kFrench:
            return kFrenchStyles;
        case Lang::kDutch:
            return kDutchStyles;
        case Lang::kRussian:
        case Lang::kSlavicSouth:
        case Lang::kCzech:
        case Lang::kPolish:
        case Lang::kRomanian:
        case Lang::kHungarian:
        case Lang::kGeorgian:
            return kEasternStyles;
        case Lang::kTurkish:
            return kTurkishStyles;
        case Lang::kArabic:
            return kArabicStyles;
        default:
            return kGenericStyles;
    }
}

Lang LanguageOf(int country) {
    for (const LanguageCountries& l : kLanguages) {
        for (std::size_t i = 0; i < l.countries.size(); ++i) {
            if (l.countries[i] == country && (country != 0 || l.lang == Lang::kPersian)) {
                return l.lang;
            }
        }
    }
    return Lang::kEnglish;
}

std::span<const CountryPlan> CountryPlans() {
    return kCountryPlans;
}
std::span<const StatePlan> BrazilStatePlans() {
    return kStatePlans;
}
std::span<const NationalPlan> NationalPlans() {
    return kNationalPlans;
}

std::vector<std::string_view> SplitList(std::string_view list) {
    std::vector<std::string_view> items;
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        items.push_back(list.substr(0, bar));
        if (bar == std::string_view::npos) break;
        list.remove_prefix(bar + 1);
    }
    return items;
}

}  // namespace kv::sampledb
