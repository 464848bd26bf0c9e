#include "core/text_tables.h"

#include "core/game_data.h"

namespace kv {

// Written in index order, five to a line, so an entry is easy to find by its number.
// clang-format off
const std::array<std::string_view, 203> country_names = {
    /*   0 */ "Afeganistão", "Africa do Sul", "Albânia", "Alemanha", "Andorra",
    /*   5 */ "Angola", "Anguilla", "Antigua", "Antilhas Holandesas", "Arábia Saudita",
    /*  10 */ "Argélia", "Argentina", "Armenia", "Aruba", "Austrália",
    /*  15 */ "Áustria", "Azerbaidjão", "Bahamas", "Bahrain ", "Bangladesch",
    /*  20 */ "Barbados", "Bélgica", "Belize", "Benin", "Bermudas",
    /*  25 */ "Bielo Russia", "Bolivia", "Bósnia", "Botsuana", "Brasil",
    /*  30 */ "Brunei", "Bulgaria", "Burkina Faso", "Burundi", "Butão",
    /*  35 */ "Cabo Verde", "Camarões", "Camboja", "Canadá", "Catar",
    /*  40 */ "Cazaquistão", "Chade", "Chile", "China", "Chipre",
    /*  45 */ "Timor-Leste", "Colômbia", "Congo", "Coréia do Norte", "Coréia do Sul",
    /*  50 */ "Costa do Marfim", "Costa Rica", "Croácia", "Cuba", "Dinamarca",
    /*  55 */ "Djibuti", "Dominica", "Egito", "El Salvador", "Emirados Árabes",
    /*  60 */ "Equador", "Eritréia", "Escócia", "Eslováquia", "Eslovênia",
    /*  65 */ "Espanha", "Estonia", "Etiópia", "EUA", "Fiji",
    /*  70 */ "Finlândia", "Filipinas", "França", "Gabão", "Gâmbia",
    /*  75 */ "Gana", "Georgia", "Granada", "Grécia", "Guatemala",
    /*  80 */ "Guiana", "Guiné", "Guiné-Bissau", "Guiné Equatorial", "Haiti",
    /*  85 */ "Holanda", "Honduras", "Hong Kong", "Hungria", "Iêmen",
    /*  90 */ "Ilhas Cayman", "Ilhas Cook", "Ilhas Faroe", "Ilhas Salomão", "Ilhas Virgens Britânicas",
    /*  95 */ "Índia", "Indonésia", "Inglaterra", "Irã", "Iraque",
    /* 100 */ "Irlanda", "Irlanda do Norte", "Islândia", "Israel", "Itália",
    /* 105 */ "Montenegro", "Jamaica", "Japão", "Jordânia", "Kênia",
    /* 110 */ "Kosovo", "Kwait", "Laos", "Lesoto", "Letônia",
    /* 115 */ "Libano", "Líbia", "Libéria", "Liechenstein", "Lituânia",
    /* 120 */ "Luxemburgo", "Macau", "Macedônia", "Madagascar", "Malásia",
    /* 125 */ "Malawi", "Maldivas", "Mali", "Malta", "Marrocos",
    /* 130 */ "Mauritânia", "México", "Mianmar", "Moçambique", "Moldávia",
    /* 135 */ "Mônaco", "Mongolia", "Namíbia", "Nepal", "Nicaragua",
    /* 140 */ "Níger", "Nigéria", "Noruega", "Nova Zelândia", "Omã",
    /* 145 */ "País de Gales", "Palestina", "Panamá", "Papua Nova Guiné", "Paquistão",
    /* 150 */ "Paraguai", "Peru", "Polônia", "Porto Rico", "Portugal",
    /* 155 */ "Quirquistão", "Rep. Centro-Africana", "Rep. Dem. Congo", "Rep. Dominicana", "Rep. Tcheca",
    /* 160 */ "Romênia", "Ruanda", "Rússia", "Samoa", "San Marino",
    /* 165 */ "Santa Lúcia", "São Cristovão e Neves", "São Tomé e Príncipe", "São Vicente e Granadinas", "Senegal",
    /* 170 */ "Serra Leoa", "Sérvia", "Seychelles", "Singapura", "Síria",
    /* 175 */ "Somália", "Sri Lanka", "Suazilândia", "Sudão", "Suécia",
    /* 180 */ "Suíça", "Suriname", "Tadjquistão", "Tailândia", "Taiti",
    /* 185 */ "Taiwan", "Tânzania", "Togo", "Tonga", "Trinidad e Tobago",
    /* 190 */ "Tunísia", "Turcomenistão", "Turquia", "Ucrânia", "Uganda",
    /* 195 */ "Uruguai", "Uzbesquistão", "Vanuatu", "Venezuela", "Vietnã",
    /* 200 */ "Zâmbia", "Zimbabue", "Personalizado",
};
// clang-format on

const std::array<std::string_view, 27> state_codes = {
    "AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA",
    "PB", "PE", "PI", "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO",
};

const std::array<std::string_view, 27> state_names = {
    "Acre",        "Alagoas",   "Amazonas",          "Amapá",
    "Bahia",       "Ceará",     "Distrito Federal",  "Espírito Santo",
    "Goiás",       "Maranhão",  "Minas Gerais",      "Mato Grosso do Sul",
    "Mato Grosso", "Pará",      "Paraíba",           "Pernambuco",
    "Piauí",       "Paraná",    "Rio de Janeiro",    "Rio Grande do Norte",
    "Rondonia",    "Roraima",   "Rio Grande do Sul", "Santa Catarina",
    "Sergipe",     "São Paulo", "Tocantins",
};

const std::array<std::string_view, 27> state_adjectives = {
    "Acreano",       "Alagoano", "Amazonense",   "Amapaense",    "Baiano",    "Cearense",
    "Brasiliense",   "Capixaba", "Goiano",       "Maranhense",   "Mineiro",   "Sul-matogrossense",
    "Matogrossense", "Paraense", "Paraibano",    "Pernambucano", "Piauiense", "Paranaense",
    "Carioca",       "Potiguar", "Rondonense",   "Roraimense",   "Gaúcho",    "Catarinense",
    "Sergipano",     "Paulista", "Tocantinense",
};

const std::array<std::string_view, 5> position_names = {"Goleiro", "Lateral", "Zagueiro",
                                                        "Meio Campo", "Atacante"};
const std::array<std::string_view, 5> position_letters = {"G", "L", "Z", "M", "A"};

const std::array<std::string_view, 6> reputation_names = {"Municipal", "Estadual",    "Regional",
                                                          "Nacional",  "Continental", "Mundial"};

// Five entries per position; "n/a" marks a role no player takes and the fifth entry stays empty.
const std::array<std::string_view, 25> role_names = {
    "Normal",    "Normal",    "Normal",     "Normal", "",  // goalkeeper
    "Defensivo", "Ofensivo",  "Ala",        "n/a",    "",  // full-back
    "Normal",    "Líbero",    "Normal",     "n/a",    "",  // centre-back
    "Volante",   "Ofensivo",  "Ala",        "n/a",    "",  // midfielder
    "Recuado",   "Pelo meio", "Pela ponta", "n/a",    "",  // forward
};

// 0..3 belong to goalkeepers, 4..13 to outfield players.
const std::array<std::string_view, 14> characteristic_names = {
    "Colocação", "Def. penalti", "Reflexo",     "Saída gol", "Armação",
    "Cabeceio",  "Cruzamento",   "Desarme",     "Drible",    "Finalização",
    "Marcação",  "Passe",        "Resistência", "Velocidade"};
const std::array<std::string_view, 14> characteristic_abbrevs = {"Col", "Def", "Ref", "Sai", "Arm",
                                                                 "Cab", "Cru", "Des", "Dri", "Fin",
                                                                 "Mar", "Pas", "Res", "Vel"};

const std::array<std::string_view, 4> continental_cup_names = {
    "Taça Libertadores", "Liga dos Campeões", "Liga Africana", "Liga Asiática"};
const std::array<std::string_view, 8> group_letters = {"A", "B", "C", "D", "E", "F", "G", "H"};

const std::array<std::string_view, 25> pitch_position_letters = {
    "G",                                     // 1
    "L", "Z", "Z", "Z", "Z", "Z", "Z", "L",  // 2..9
    "M", "M", "M", "M", "M", "M", "M", "M",  // 10..17
    "A", "A", "A", "A", "A", "A", "A", "A",  // 18..25
};

// 0..2 playing style, 3..4 attack route, 6..8 marking; 5 separates the routes from the marking.
const std::array<std::string_view, 9> tactic_names = {
    "Jogo equilibrado", "Ataque total", "Contra-ataque", "Pelo meio", "Pelas laterais", "", "Leve",
    "Pesada",           "Muito Pesada"};

// clang-format off
const std::array<std::string_view, 88> tournament_venues = {
    // 0 Brasil
    "Maracanã", "Itaquerão", "Mineirão", "Castelão", "Fonte Nova", "Beira-Rio", "Arena Pernambuco", "Arena da Baixada",
    // 1 Rússia
    "Moscou", "São Petesburgo", "Kazan", "Kaliningrad", "Yaroslavl", "Samara", "Volgograd", "Yekaterinburg",
    // 2 Catar
    "Doha", "Lusail", "Al Khor", "Al Wakrah", "Umm Salal", "Madinat", "Al Rayyan", "Doha",
    // 3 Espanha
    "Madrid", "Sevilha", "Valencia", "Vigo", "Málaga", "Valladolid", "Barcelona", "Gijón",
    // 4 Argentina
    "Buenos Aires", "Córdoba", "Mar del Plata", "Mendoza", "Rosário", "La Plata", "Santa Fé", "Almagro",
    // 5 Itália
    "Roma", "Milão", "Turim", "Bologna", "Cagliari", "Gênoa", "Florença", "Udine",
    // 6 México
    "Cid. México", "Guadalajara", "Monterrey", "Laguna", "Puebla", "León", "Irapuato", "Queretaro",
    // 7 Inglaterra
    "Londres", "Liverpool", "Manchester", "Notthingam", "Leeds", "Coventry", "Sheffield", "Bristol",
    // 8 Portugal
    "Lisboa", "Porto", "Coimbra", "Setúbal", "Aveiro", "Faro", "Braga", "Viseu",
    // 9 Japão
    "Yokohama", "Osaka", "Kobe", "Oita", "Tóquio", "Shizuoka", "Niigata", "Sapporo",
    // 10 Alemanha
    "Berlim", "Munique", "Hamburgo", "Dortmund", "Frankfurt", "Hannover", "Leipzig", "Nuremberg",
};

const std::array<std::string_view, 6> club_world_cup_venues = {"Marrakech", "Agadir", "Abu Dhabi",
                                                              "Dubai",     "Yokohama", "Toyota"};

// Seven countries of the Americas, then seven European ones, four cities each.
const std::array<std::string_view, 56> foreign_cities = {
    /* Chile */ "Santiago", "Vinã del Mar", "Valparaíso", "Concepción",
    /* EUA */ "Miami", "Dallas", "Washington", "Los Angeles",
    /* Uruguai */ "Montevidéu", "Salto", "Las Piedras", "Maldonado",
    /* Paraguai */ "Assunción", "Ciudad del Este", "San Lorenzo", "Lambare",
    /* Bolivia */ "La Paz", "Santa Cruz", "Sucre", "Potosí",
    /* Colômbia */ "Bogotá", "Cali", "Medellin", "Barranquilla",
    /* Argentina */ "Buenos Aires", "Córdoba", "Mar del Plata", "Rosário",
    /* França */ "Paris", "Marseille", "Lyon", "Bordeaux",
    /* Inglaterra */ "Londres", "Manchester", "Liverpool", "Leeds",
    /* Turquia */ "Ancara", "Istambul", "Esmirna", "Bursa",
    /* Alemanha */ "Berlim", "Munique", "Nuremberg", "Frankfurt",
    /* Espanha */ "Madrid", "Sevilha", "Barcelona", "Gijón",
    /* Ucrânia */ "Kiev", "Carcóvia", "Lviv", "Donestk",
    /* Itália */ "Roma", "Milão", "Nápoles", "Turim",
};
// clang-format on

// Home referees first, then the international ones; a round draws six of each origin.
const std::array<RefereeDefault, 42> referee_defaults = {{
    {"Anselmo Vidal", 3, 3, kHomeRefereeOrigin},            // 0
    {"Rogério Tavares", 3, 3, kHomeRefereeOrigin},          // 1
    {"Edvaldo Quintela", 3, 4, kHomeRefereeOrigin},         // 2
    {"Márcio Barreto", 3, 5, kHomeRefereeOrigin},           // 3
    {"Josué Amaral", 4, 4, kHomeRefereeOrigin},             // 4
    {"Cláudio Pimenta", 5, 2, kHomeRefereeOrigin},          // 5
    {"Nelson Falcão", 5, 4, kHomeRefereeOrigin},            // 6
    {"Wagner Rezende", 5, 5, kHomeRefereeOrigin},           // 7
    {"Ubiratan Lopes", 4, 3, kHomeRefereeOrigin},           // 8
    {"Sidnei Caldas", 5, 3, kHomeRefereeOrigin},            // 9
    {"Flávio Monteiro", 3, 3, kHomeRefereeOrigin},          // 10
    {"Gilmar Peixoto", 3, 5, kHomeRefereeOrigin},           // 11
    {"Heitor Sampaio", 3, 5, kHomeRefereeOrigin},           // 12
    {"Leandro Brandão", 3, 5, kHomeRefereeOrigin},          // 13
    {"Osvaldo Pacheco", 3, 2, kHomeRefereeOrigin},          // 14
    {"Reinaldo Freitas", 3, 4, kHomeRefereeOrigin},         // 15
    {"Valdir Nogueira", 4, 4, kHomeRefereeOrigin},          // 16
    {"Josué Amaral", 5, 4, kHomeRefereeOrigin},             // 17
    {"Adalberto Cunha", 3, 3, kHomeRefereeOrigin},          // 18
    {"Everaldo Siqueira", 5, 3, kHomeRefereeOrigin},        // 19
    {"Jurandir Matos", 5, 5, kHomeRefereeOrigin},           // 20
    {"Paulo Bezerra", 3, 5, kHomeRefereeOrigin},            // 21
    {"Ronaldo Queiroz", 3, 2, kHomeRefereeOrigin},          // 22
    {"Túlio Magalhães", 5, 4, kHomeRefereeOrigin},          // 23
    {"Wilson Teixeira", 4, 4, kHomeRefereeOrigin},          // 24
    {"Hernán Ocampo", 5, 4, kInternationalRefereeOrigin},   // 25
    {"Luca Bertolini", 4, 2, kInternationalRefereeOrigin},  // 26
    {"Javier Solano", 5, 3, kInternationalRefereeOrigin},   // 27
    {"Javier Solano", 5, 3, kInternationalRefereeOrigin},   // 28
    {"Marek Dudek", 5, 3, kInternationalRefereeOrigin},     // 29
    {"Tomás Aranda", 5, 5, kInternationalRefereeOrigin},    // 30
    {"Piet van Doorn", 4, 5, kInternationalRefereeOrigin},  // 31
    {"Jürgen Halbach", 5, 4, kInternationalRefereeOrigin},  // 32
    {"Alain Mercier", 5, 4, kInternationalRefereeOrigin},   // 33
    {"Sergio Ibarra", 5, 3, kInternationalRefereeOrigin},   // 34
    {"Kofi Mensah", 4, 4, kInternationalRefereeOrigin},     // 35
    {"Dragan Petrov", 5, 4, kInternationalRefereeOrigin},   // 36
    {"Hideo Sakamoto", 4, 4, kInternationalRefereeOrigin},  // 37
    {"Nikos Andreou", 4, 5, kInternationalRefereeOrigin},   // 38
    {"Rui Gaspar", 4, 5, kInternationalRefereeOrigin},      // 39
    {"Martin Hollis", 4, 5, kInternationalRefereeOrigin},   // 40
    {"Omar Haddad", 4, 2, kInternationalRefereeOrigin},     // 41
}};

// Body n of a news item shows entry n - 1. Bodies 49, 50, 64, 65 and 66 are never sent.
const std::array<std::string_view, 74> news_bodies = {
    /* 1 */
    "Seja bem vind@ ao nosso clube. Estamos em busca de uma grande campanha, não aceitaremos uma "
    "má gestão financeira. Boa sorte!",
    /* 2 */
    "O jogador simplesmente cuspiu na cara do árbitro. 10 jogos de suspensão até que foi uma pena "
    "leve.",
    /* 3 */ "Ele foi punido com 10 jogos por ofensas morais ao árbitro. Essa pena foi bem pesada.",
    /* 4 */
    "O STJD puniu o jogador por um carrinho desleal por trás, 5 jogos foi uma pena dura demais.",
    /* 5 */
    "O jogador pegou uma suspensão de 5 jogos por ter agredido intencionalmente o adversário.",
    /* 6 */
    "O jogador deu uma cotovelada no adversário. Nós da diretoria achamos que 5 jogos foi uma pena "
    "execessiva.",
    /* 7 */
    "O jogador foi punido por ter dado um carrinho desleal por trás, pegou 3 jogos de suspensão.",
    /* 8 */ "O jogador pegou uma suspensão de 3 jogos por ter dado uma cotovelada no adversário.",
    /* 9 */
    "O jogador parou violentamente uma jogada de gol do adversário, pegou 3 jogos de suspensão. "
    "Nós achamos que ele não merecia estes 3 jogos! Estão de marcação com nosso time.",
    /* 10 */
    "O jogador deu um soco na cara do zagueiro adversário, 3 jogos até que foi uma pena leve.",
    /* 11 */
    "Pegou 3 jogos ao dividir violentamente a bola com o goleiro, que quase quebra a perna.",
    /* 12 */
    "Fez uma falta desleal no adversário, o juiz deu uma exagerada na sumula, por isso deram 2 "
    "jogos de suspensão.",
    /* 13 */
    "O jogador deu uma tesoura no adversário, será que ele pensa que futebol é luta-livre?",
    /* 14 */
    "Depois de um bate boca com o árbitro foi expulso e o tribunal lhe deu 2 jogos de suspensão.",
    /* 15 */
    "O tribunal disse que o jogador é muito violento, deram-lhe 2 jogos de suspensão. Nós da "
    "diretoria estamos preocupados, talvez eles estejam querendo prejudicar nosso time.",
    /* 16 */
    "Um expulsão boba, era pra ser suspenso apenas 1 jogo, mas o jogador foi inventar de xingar a "
    "mãe do árbitro...",
    /* 17 */
    "O jogador deu uma cotovelada no goleiro numa disputa de bola, deu sorte que o tribunal só deu "
    "2 jogos de suspensão.",
    /* 18 */
    "Você acha que é quem cara? Eu nem tive culpa e você vem multando do meu salário? Poxa assim "
    "fica complicado jogar neste time.",
    /* 19 */
    "Não gostei de você ter me multado. Se continuar assim o clima neste time vai ficar ruim.",
    /* 20 */
    "Não pode ficar me multando. Por acaso quando o time perde a diretoria te multa? Então, a "
    "culpa foi do tribunal por ter me dados vários jogos de suspensão.",
    /* 21 */
    "A culpa pela suspensão não foi minha. Não merecia esta multa. Vou aceitar só desta vez.",
    /* 22 */
    "A imprensa acaba de divulgar mais esta sensacional contratação que acaba de ocorrer nesta "
    "semana.",
    /* 23 */
    "A imprensa acaba de divulgar mais esta sensacional contratação que acaba de ocorrer nesta "
    "semana.",
    /* 24 */
    "O jogador foi apresentado hoje ao novo clube, é mais um reforço importante para a disputa do "
    "campeonato.",
    /* 25 */
    "Foi apenas uma pancada, mas que deixou uma leve lesão na coxa. Cerca de 2 semanas fora.",
    /* 26 */ "Uma leve torção no tornozelo, em 2 semanas o jogador já terá condição.",
    /* 27 */
    "Sofreu uma pequena lesão muscular, talvez o esforço sobre o jogador venha sendo excessivo. Em "
    "2 semanas estará bem.",
    /* 28 */ "Entorce no tornozelo. Cerca de 3 semanas fora.",
    /* 29 */ "Lesão muscular. Os jogadores estão sendo muito forçados. 3 semanas fora.",
    /* 30 */
    "Lesão muscular. Este jogador acabou forçando muito em uma jogada. Ficará 4 semanas de molho.",
    /* 31 */ "Problema no musculo adutor na coxa. 4 semanas de recuperação.",
    /* 32 */ "O jogador sofreu uma distenção muscular. Ficará alguns dias de recuperação.",
    /* 33 */
    "Sofreu uma grave torção no tornozelo. O departamento médico cuidara dele por algumas semanas.",
    /* 34 */
    "Em uma dividida o jogador acabou fraturando um dedo do pé, em algumas semana estará "
    "recuperado para jogo.",
    /* 35 */
    "O jogador sofreu uma pequena entorce no joelho, mas por precaução ficará algumas semanas fora "
    "de jogo. ",
    /* 36 */
    "O jogador sofreu uma distenção muscular. Procure não sobrecarregar os jogadores, tente poupar "
    "os que estão com menos energia.",
    /* 37 */
    "Uma torção no joelho colocará este jogador de molho por um bom tempo. 7 semanas é a previsão "
    "de volta.",
    /* 38 */
    "Lesão muscular. Talvez já seja hora de aposentar este jogador, pois está se contundindo com "
    "mais facilidade e gravidade que os mais novos.",
    /* 39 */ "Distenção muscular. Várias semanas fora.",
    /* 40 */ "Grave contusão no músculo da virilha. Este jogador está com muito desgaste muscular.",
    /* 41 */ "Este jogador sofreu um ataque cardíaco. Cuidado talvez seja hora de aposenta-lo.",
    /* 42 */ "O jogador sofreu uma fratura na perna. Ficará um bom tempo sem jogar.",
    /* 43 */ "Grave lesão no joelho. O jogador ficará várias semanas parado.",
    /* 44 */ "Este jogador ficará várias semanas sem jogar pois fraturou o tornozelo esquerdo.",
    /* 45 */ "Lesão no tendão do calcanhar. Previsão é de um longo tempo parado.",
    /* 46 */
    "Você está deixando humilharem nosso clube. Nós da torcida não aceitaremos mais goleadas como "
    "esta!",
    /* 47 */
    "Agora você deixa golearem nosso time assim? Se continuar vamos pressionar a diretoria pedindo "
    "sua demissão.",
    /* 48 */
    "Nosso time não pode levar goleadas assim. Se continuar vamos protestar e pedir sua saída do "
    "time.",
    /* 49 */ "",
    /* 50 */ "",
    /* 51 */
    "O jogador foi mal recebido por parte dos outros jogadores, parece que há um racha no elenco. "
    "Talvez o problema seja o excesso de estrelas no time.",
    /* 52 */
    "A recente contratação causou uma divisão no elenco. Era de se esperar que isso ocorre-se pelo "
    "grande número de estrelas juntos.",
    /* 53 */
    "Eu não venho jogando há muito tempo no time, isto está me deixando infeliz. Gostaria de ser "
    "negociado ou começar a participar dos jogos do time.",
    /* 54 */
    "Eu não venho sendo aproveitado no time, não quero continuar a esquentar o banco. Gostaria de "
    "ser escalado nas próximas partidas.",
    /* 55 */
    "Estou sem contrato há vários jogos, esta situação me deixa inseguro no clube. Gostaria que "
    "meu contrato fosse renovado como uma nova oferta salarial ou que eu fosse negociado.",
    /* 56 */
    "Gostaria que meu contrato fosse renovado com um novo salário, pois esta situação indefinida "
    "me deixa inseguro para continuar no clube. ",
    /* 57 */
    "Uma briga durante os treinamentos entre estes dois jogadores tulmutuou o elenco. Esperamos "
    "que daqui pra frente as coisas acalmem.",
    /* 58 */
    "Os dois jogadores partiram para a briga depois de uma dividida no treino. A diretoria exige "
    "que as coisas se acalmem no clube.",
    /* 59 */
    "A fase do time não anda nada bem, e os torcedores resolveram tumultuar o centro de "
    "treinamento do time, o resultado é que o jogador acabou brigando fisicamente com membros da "
    "torcida organizada.",
    /* 60 */
    "Na chega do time ao centro de treinamento o jogador foi hostilizado pela torcida e acabou "
    "sendo agredido.",
    /* 61 */ "Os torcedores receberam os jogadores com violência na entrada do CT hoje.",
    /* 62 */
    "Estou sendo submetido à um esforço excessivo. Esta situação está me deixando descontente com "
    "a sua comissão técnica. Gostaria de ser poupado por 1 ou mais jogos.",
    /* 63 */
    "Eu não sou burro de carga! Você está me escalando sem eu ter condições físicas ideais, este "
    "excesso de jogos está me deixando descontente. Gostaria de ser poupado por 1 ou mais jogos.",
    /* 64 */ "",
    /* 65 */ "",
    /* 66 */ "",
    /* 67 */
    "Fico muito contente com este bom aumento concedido por esta competente diretoria. Mostrarei "
    "em campo toda minha gratidão!",
    /* 68 */
    "Fico muito contente com este bom aumento concedido por esta competente diretoria. Mostrarei "
    "em campo toda minha gratidão!",
    /* 69 */ "O jogador que estava à venda foi vendido por ",
    /* 70 */
    "Há rumores que você será convidado para dirigir alguma seleção que disputará a copa em breve, "
    "nos da diretoria já estamos recebendo algumas informações. Em breve você deverá receber os "
    "convites.",
    /* 71 */ "O jogador termina seu contrato em menos de 3 semanas.",
    /* 72 */ "O jogador teve seu contrato encerrado.",
    /* 73 */
    "Bem vind@ ao nosso clube. Aqui você receberá informações sobre os seus jogadores, comunicados "
    "etc. Não deixe de ler o manual.doc, que está na pasta principal onde o jogo foi instalado. "
    "Nele você encontrará estratégias financeiras, táticas etc.Também não deixe de visitar o fórum "
    "oficial no site do jogo,onde você poderá trocar idéias com outros jogadores, saber as últimas "
    "novidades e muito mais!",
    /* 74 */
    "O jogador teve seu contrato de empréstimo encerrado. Mas como você tem o limite de 28 "
    "jogadores ele só poderá voltar quando tiver um lugar no elenco.",
};

// Subject s shows entry s - 1; the blanks at the edges sit between the piece and the names around
// it.
const std::array<std::string_view, 19> news_title_pieces = {
    /* 1 */ "Bem vindo ao ",
    /* 2 */ " expulso",
    /* 3 */ ":que negócio é esse?",
    /* 4 */ " contundido",
    /* 5 */ "O bicho vai pegar!",
    /* 6 */ "Não aceitamos goleadas!",
    /* 7 */ "Desse jeito você vai cair",
    /* 8 */ " vai para o ",
    /* 9 */ "Racha no elenco causado por ",
    /* 10 */ "Agradecimento",
    /* 11 */ "Reclamação",
    /* 12 */ "Estou sem contrato",
    /* 13 */ "Briga entre ",
    /* 14 */ "Torcida briga com ",
    /* 15 */ " vendido ao ",
    /* 16 */ "Convites para seleção",
    /* 17 */ "Contrato se encerrando: ",
    /* 18 */ "Contrato encerrado: ",
    /* 19 */ " não pode voltar.",
};

namespace {

template <std::size_t N>
std::string_view EntryOr(const std::array<std::string_view, N>& table, long long index) {
    return index >= 0 && index < static_cast<long long>(N) ? table[static_cast<std::size_t>(index)]
                                                           : std::string_view{};
}

}  // namespace

void LoadReferees(GameData& data) {
    static_assert(std::tuple_size_v<decltype(data.referees)> == referee_defaults.size());
    for (std::size_t i = 0; i < referee_defaults.size(); ++i) {
        const RefereeDefault& d = referee_defaults[i];
        arbitro_& r = data.referees[i];
        r = arbitro_{};
        r.name.set(d.name);
        r.technique = d.technique;
        r.strictness = d.strictness;
        r.origin = d.origin;
    }
}

std::string_view CountryName(int country) {
    return EntryOr(country_names, country);
}

std::string_view RoleName(int position, int role) {
    if (position < 0 || position > 4 || role < 0 || role > 4) return {};
    return role_names[static_cast<std::size_t>(position * 5 + role)];
}

std::string_view NewsBody(int body) {
    return EntryOr(news_bodies, static_cast<long long>(body) - 1);
}

std::string_view NewsTitlePiece(int subject) {
    return EntryOr(news_title_pieces, static_cast<long long>(subject) - 1);
}

std::string_view TournamentVenue(int host, int city) {
    if (host < 0 || host > 10 || city < 0 || city > 7) return {};
    return tournament_venues[static_cast<std::size_t>(host * 8 + city)];
}

}  // namespace kv
