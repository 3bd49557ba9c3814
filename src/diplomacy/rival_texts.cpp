// The words of the rival leaders: titles, paragraphs and answers of their dialogs, in
// English and Turkish.
#include "diplomacy/rival_leaders.h"

#include "state/rules.h"
#include "state/state.h"

#include <string>

namespace annals {

namespace {

using std::string;

bool Valid(int civ) {
    return civ >= 1 && civ <= kMaxCivs;
}

string NationOf(int civ) {
    return Valid(civ) ? nationName(Civ(civ).nation) : "";
}
string CountryOf(int civ) {
    return Valid(civ) ? countryName(Civ(civ).nation) : "";
}

// Turkish endings of a people's name ("Romalılar", "Türkler"): of the Romans, to the Romans.
bool FrontVowel(const string& name) {
    return name.size() >= 2 && name[name.size() - 2] == 'e';
}
string Genitive(const string& name) {
    return name + (FrontVowel(name) ? "in" : "ın");
}
string Dative(const string& name) {
    return name + (FrontVowel(name) ? "e" : "a");
}

string Amount(int k) {
    return std::to_string(static_cast<long long>(ui.dialogParams[k]));
}
string ScienceOf(int k) {
    return scienceName(static_cast<int>(ui.dialogParams[k]));
}

struct Words {
    const int speaker = RivalSpeaker();
    const int person = ui.dialogCode < 45         ? ui.dialogPartyB
                       : IsHuman(game.currentCiv) ? game.currentCiv
                                                  : ui.dialogPartyA;
    const string rival = NationOf(speaker);    // the rival's people
    const string country = CountryOf(speaker); // the rival's land
    const string us = NationOf(person);        // the person's people
    const string years = std::to_string(TenTurnsInYears(game.year));
};

string EnglishText(int code, const Words& w) {
    switch (code) {
    case 3:
        return "      Greetings, discoverer, welcome to " + w.country +
               ". We have justly occupied all of these lands for our people. Although all of this land is "
               "rightfully ours, we propose a demarcation treaty, dividing all the land between two "
               "countries. Will you agree to such partition and live with our country in peace?";
    case 4:
        return "      Excellent. All of the land which you now occupy shall constitute the " + w.us +
               (!w.us.empty() && w.us.back() == 's' ? "' sphere" : " sphere") +
               "; the land which we occupy shall belong to the " + w.rival +
               " in perpetuity. Our people will all live in peace and our countries will develop easily in "
               "this peaceful environment. Please remember not to trespass in those areas.";
    case 5:
        return "      Then the powerful " + w.rival + " shall mercilessly drive you from the lands of " +
               w.country +
               ". You will pay for your contempt with the blood of your people. Prepare for war! ";
    case 6:
        switch (ui.dialogVariant) {
        case 1:
            return "      How dare you want gold from us for that! You made a big mistake. The powerful " +
                   w.rival + " shall mercilessly drive you from the lands of " + w.country +
                   ". You will pay for your contempt with the blood of your people. Prepare for war! ";
        case 2:
            return "      How dare you have the courage to refuse our tariffs? We, the " + w.rival +
                   " are the rightful owners of this land and have every right to demand this payment. By "
                   "refusing to pay us this tax you will be driven off our lands by the " +
                   w.rival + ". From this day forward you are our enemies.";
        case 3:
            return "      You violated the agreements we have made in regards to borders, and you still "
                   "refuse "
                   "our dialogs. So there is only one way remaining for us: we, the " +
                   w.rival + ", will drive your soldiers out from our borders. Prepare for war!";
        default:
            return "      How dare you request gold for such a thing? You've made a great error in demanding "
                   "payment for this. We, the " +
                   w.rival +
                   ", will drive you out of your homeland. From this day forward you are our enemies.";
        }
    case 37:
        return "      Our soldiers stand before the units of the " + w.rival +
               ", with whom we live in peace. If we attack, the treaty is broken, and every leader will hear "
               "that our word cannot be trusted.";
    case 40:
        return "      Our scholars have heard that your people know " + ScienceOf(0) +
               ". As friends and neighbours we ask you to teach it to us; such a kindness would make our "
               "peoples allies for ever.";
    case 41:
        return "      Your people live on lands our fathers walked long before you came. If you wish for "
               "peace "
               "on these lands, you must pay us " +
               Amount(0) + " gold. Refuse, and you will have the " + w.rival + " as your enemies.";
    case 42:
        return "      We have been informed that your patrols were seen near our towns. Such soldiers on our "
               "lands trouble our people. We ask you to withdraw them to your own cities.";
    case 43:
        return "      Very well. Knowledge has its price, and we are ready to pay it: we offer you " +
               Amount(1) + " gold for teaching us " + ScienceOf(0) + ".";
    case 44:
        return "      We thank you for agreeing to our stipulations. The " + w.rival +
               " will remember this friendship, and our peoples will live side by side as allies.";
    case 45:
        return "      Welcome, friend. It is always a pleasure to receive an envoy of the " + w.us +
               ". Tell us, what is the reason for your visit?";
    case 46:
        return "      Our peoples are at war, and yet you send a representative to us. Speak, then: why have "
               "you come?";
    case 47:
        return "      A fair proposal. We will teach your scholars " + ScienceOf(0) +
               " if your scholars teach ours " + ScienceOf(1) + ". Do you agree to this exchange?";
    case 48:
        return "      What you could teach us is worth far less than what you ask of us. A technological "
               "alliance on such terms would cost our people too much.";
    case 49:
        return "      We have looked into the knowledge of both our peoples. There is nothing we could teach "
               "you, and nothing you could teach us.";
    case 50:
        return "      Our scholars already know everything your people could share with us. We have nothing "
               "to "
               "gain from an exchange.";
    case 51:
        return "      We exchanged our knowledge only a short while ago. Our scholars are still studying "
               "what "
               "they learnt from you. Come back in later years.";
    case 52:
        return "      We have nothing that your scholars do not already know. But we would gladly learn " +
               ScienceOf(1) + " from you, as a sign of friendship between our peoples.";
    case 53:
        return "      Your generosity honours you. The " + w.rival + " thank you for this gift of knowledge.";
    case 54:
        return "      You dare to ask tribute of the " + w.rival +
               "? Our armies are strong and our cities are well defended. We will pay you nothing, and if "
               "you "
               "want war, you shall have it.";
    case 55:
        return "      We do not wish for war with you. We will pay you " + Amount(0) +
               " gold, and in return you will not attack us for " + w.years + " years.";
    case 56:
        return "      By our last agreement no payment is due yet. Come back when its years have passed.";
    case 57:
        return "      You have broken your agreements too many times. The " + w.rival +
               " do not trust the word of a breaker of treaties, and will pay nothing for it.";
    case 58:
        return "      We would pay you, but our treasury is empty. We have no gold to give.";
    case 59:
        return "      You are mistaken. None of our soldiers stand near your towns.";
    case 60:
        return "      Our soldiers stand where our orders sent them, and there they will stay. We will not "
               "move "
               "them for your sake.";
    case 61:
        return "      Our soldiers near your towns are only passing through your lands. They will soon be "
               "gone.";
    case 62:
        return "      We admire the strength of your army. Our soldiers near your towns mean no harm, and "
               "they "
               "will be withdrawn.";
    case 64:
        return "      We have waited long for this day. We happily sign the peace treaty; may our peoples "
               "live "
               "as friends.";
    case 65:
        return "      Peace has a price. Our people have suffered in this war, and we will sign a treaty "
               "only "
               "if you pay us " +
               Amount(0) + " gold.";
    case 66:
        return "      You have broken too many agreements. No treaty signed with you is worth the ink it is "
               "written in. The war goes on.";
    case 68:
        return "      We are not afraid of your armies. Our cities stand strong, and we will pay you "
               "nothing.";
    case 69:
        return "      This war costs us dearly. We offer you " + Amount(0) +
               " gold if you do not attack us for " + w.years + " years.";
    case 70:
        return "      Our last agreement still runs. We owe you nothing more until its years have passed.";
    case 71:
        return "      You broke your agreements before. We will not buy a promise from a breaker of "
               "treaties.";
    case 72:
        return "      Our treasury is empty; this war has taken all our gold. We have nothing to pay you.";
    case 73:
        return "      You have taken every city we had. We have no treasury and no lands left to pay you "
               "with.";
    case 74:
        return "      Our discoveries belong to our people alone. We will not share them with an enemy.";
    case 75:
        return "      We will teach you " + ScienceOf(0) + " if you agree not to attack us for " + w.years +
               " years.";
    case 76:
        return "      Our last agreement still runs. We will teach you nothing more until its years have "
               "passed.";
    case 77:
        return "      You have broken your agreements too many times. We will not give our knowledge for a "
               "promise you will not keep.";
    case 78:
        return "      We would teach you, but we know nothing that your scholars could learn from us now. "
               "What "
               "else would you accept?";
    default:
        return "";
    }
}

string TurkishText(int code, const Words& w) {
    switch (code) {
    case 3:
        return "      Selamlar kâşif, " + w.country +
               " topraklarına hoş geldiniz. Bu toprakların hepsini halkımız için haklı olarak yurt edindik. "
               "Bütün bu topraklar hakkımız olsa da, toprakları iki ülke arasında paylaştıran bir sınır "
               "antlaşması öneriyoruz. Böyle bir paylaşımı kabul edip ülkemizle barış içinde yaşar mısınız?";
    case 4:
        return "      Harika. Şu an bulunduğunuz toprakların hepsi " + Genitive(w.us) +
               " bölgesi olacak; bizim bulunduğumuz topraklar ise sonsuza dek " + Genitive(w.rival) +
               " olacak. Halklarımız barış içinde yaşayacak ve ülkelerimiz bu barış ortamında kolayca "
               "gelişecek. Lütfen bu bölgelere izinsiz girmemeyi unutmayın.";
    case 5:
        return "      O halde güçlü " + w.rival + " sizi " + w.country +
               " topraklarından acımadan sürecek. Küstahlığınızı halkınızın kanıyla ödeyeceksiniz. Savaşa "
               "hazırlanın! ";
    case 6:
        switch (ui.dialogVariant) {
        case 1:
            return "      Bunun için bizden altın istemeye nasıl cüret edersiniz! Büyük bir hata yaptınız. "
                   "Güçlü " +
                   w.rival + " sizi " + w.country +
                   " topraklarından acımadan sürecek. Küstahlığınızı halkınızın kanıyla ödeyeceksiniz. "
                   "Savaşa hazırlanın! ";
        case 2:
            return "      Vergilerimizi reddetmeye nasıl cüret edersiniz? Biz " + w.rival +
                   " bu toprakların gerçek sahibiyiz ve bu ödemeyi istemeye hakkımız var. Bu vergiyi "
                   "ödemeyi reddettiğiniz için sizi topraklarımızdan süreceğiz. Bugünden sonra "
                   "düşmanımızsınız.";
        case 3:
            return "      Sınırlar konusunda yaptığımız anlaşmaları çiğnediniz ve hâlâ sözlerimizi "
                   "dinlemiyorsunuz. "
                   "Bize tek bir yol kaldı: biz " +
                   w.rival + " askerlerinizi sınırlarımızdan süreceğiz. Savaşa hazırlanın!";
        default:
            return "      Böyle bir şey için altın istemeye nasıl cüret edersiniz? Bunun için ödeme "
                   "istemekle "
                   "büyük bir hata yaptınız. Biz " +
                   w.rival + " sizi yurdunuzdan süreceğiz. Bugünden sonra düşmanımızsınız.";
        }
    case 37:
        return "      Askerlerimiz barış içinde yaşadığımız " + Genitive(w.rival) +
               " birliklerinin önünde duruyor. Saldırırsak antlaşma bozulur ve bütün liderler sözümüze "
               "güvenilemeyeceğini duyar.";
    case 40:
        return "      Bilginlerimiz halkınızın " + ScienceOf(0) +
               " bilimini bildiğini duydu. Dost ve komşu olarak bu bilimi bize öğretmenizi istiyoruz; böyle "
               "bir iyilik halklarımızı sonsuza dek müttefik yapar.";
    case 41:
        return "      Halkınız atalarımızın sizden çok önce yürüdüğü topraklarda yaşıyor. Bu topraklarda "
               "barış "
               "istiyorsanız bize " +
               Amount(0) + " altın ödemelisiniz. Reddederseniz " + w.rival + " size düşman olur.";
    case 42:
        return "      Devriyelerinizin şehirlerimizin yakınında görüldüğü bize bildirildi. Topraklarımızdaki "
               "bu "
               "askerler halkımızı tedirgin ediyor. Onları kendi şehirlerinize çekmenizi istiyoruz.";
    case 43:
        return "      Peki. Bilginin bir bedeli var ve biz bu bedeli ödemeye hazırız: " + ScienceOf(0) +
               " bilimini bize öğretmeniz karşılığında size " + Amount(1) + " altın öneriyoruz.";
    case 44:
        return "      Şartlarımızı kabul ettiğiniz için teşekkür ederiz. " + w.rival +
               " bu dostluğu unutmayacak; halklarımız müttefik olarak yan yana yaşayacak.";
    case 45:
        return "      Hoş geldin dostum. " + Genitive(w.us) +
               " elçisini ağırlamak bizim için her zaman bir zevktir. Söyle bakalım, ziyaretinin sebebi "
               "nedir?";
    case 46:
        return "      Halklarımız savaşta, yine de bize bir temsilci gönderiyorsunuz. Konuşun öyleyse: neden "
               "geldiniz?";
    case 47:
        return "      Adil bir teklif. Bilginleriniz bizimkilere " + ScienceOf(1) +
               " bilimini öğretirse biz de size " + ScienceOf(0) +
               " bilimini öğretiriz. Bu değiş tokuşu kabul ediyor musunuz?";
    case 48:
        return "      Bize öğretebileceğiniz şey, bizden istediğinizden çok daha az değerli. Böyle şartlarla "
               "bir teknoloji ortaklığı halkımıza çok pahalıya mal olur.";
    case 49:
        return "      İki halkın bilgisini de inceledik. Ne bizim size öğretebileceğimiz ne de sizin bize "
               "öğretebileceğiniz bir şey var.";
    case 50:
        return "      Bilginlerimiz halkınızın bizimle paylaşabileceği her şeyi zaten biliyor. Bir değiş "
               "tokuştan kazancımız olmaz.";
    case 51:
        return "      Bilgilerimizi kısa süre önce değiş tokuş ettik. Bilginlerimiz sizden öğrendiklerini "
               "hâlâ "
               "inceliyor. İlerleyen yıllarda yine gelin.";
    case 52:
        return "      Bilginlerinizin bilmediği hiçbir şeyimiz yok. Ama halklarımız arasındaki dostluğun bir "
               "işareti olarak sizden " +
               ScienceOf(1) + " bilimini seve seve öğreniriz.";
    case 53:
        return "      Cömertliğiniz sizi onurlandırıyor. " + w.rival +
               " bu bilgi armağanı için size teşekkür eder.";
    case 54:
        return "      " + Dative(w.rival) +
               " haraç teklif etmeye nasıl cüret edersiniz? Ordularımız güçlü, şehirlerimiz iyi korunuyor. "
               "Size hiçbir şey ödemeyeceğiz; savaş istiyorsanız savaş olur.";
    case 55:
        return "      Sizinle savaş istemiyoruz. Size " + Amount(0) + " altın ödeyeceğiz; karşılığında " +
               w.years + " yıl boyunca bize saldırmayacaksınız.";
    case 56:
        return "      Son anlaşmamıza göre henüz bir ödeme zamanı gelmedi. Süresi dolduğunda yeniden gelin.";
    case 57:
        return "      Anlaşmalarınızı çok kez bozdunuz. " + w.rival +
               " anlaşma bozanların sözüne güvenmez ve bunun için hiçbir şey ödemez.";
    case 58:
        return "      Size öderdik ama hazinemiz boş. Verecek altınımız yok.";
    case 59:
        return "      Yanılıyorsunuz. Şehirlerinizin yakınında hiçbir askerimiz yok.";
    case 60:
        return "      Askerlerimiz emirlerimizin gönderdiği yerde duruyor ve orada kalacak. Sizin hatırınız "
               "için "
               "onları çekmeyeceğiz.";
    case 61:
        return "      Şehirlerinizin yakınındaki askerlerimiz yalnızca topraklarınızdan geçiyor. Yakında "
               "gidecekler.";
    case 62:
        return "      Ordunuzun gücüne hayranız. Şehirlerinizin yakınındaki askerlerimizin kötü bir niyeti "
               "yok; "
               "geri çekilecekler.";
    case 64:
        return "      Bu günü uzun zamandır bekliyorduk. Barış antlaşmasını memnuniyetle imzalıyoruz; "
               "halklarımız "
               "dost olarak yaşasın.";
    case 65:
        return "      Barışın bir bedeli var. Halkımız bu savaşta çok acı çekti; ancak bize " + Amount(0) +
               " altın öderseniz antlaşmayı imzalarız.";
    case 66:
        return "      Çok fazla anlaşma bozdunuz. Sizinle imzalanan hiçbir antlaşma yazıldığı mürekkebe "
               "değmez. "
               "Savaş sürüyor.";
    case 68:
        return "      Ordularınızdan korkmuyoruz. Şehirlerimiz sağlam duruyor; size hiçbir şey ödemeyeceğiz.";
    case 69:
        return "      Bu savaş bize pahalıya mal oluyor. " + w.years +
               " yıl boyunca bize saldırmazsanız size " + Amount(0) + " altın veriyoruz.";
    case 70:
        return "      Son anlaşmamız hâlâ sürüyor. Süresi dolana kadar size başka bir şey borçlu değiliz.";
    case 71:
        return "      Daha önce anlaşmalarınızı bozdunuz. Anlaşma bozan birinden söz satın almayacağız.";
    case 72:
        return "      Hazinemiz boş; bu savaş bütün altınımızı aldı. Size ödeyecek bir şeyimiz yok.";
    case 73:
        return "      Bütün şehirlerimizi aldınız. Size ödeme yapacak ne hazinemiz ne de toprağımız kaldı.";
    case 74:
        return "      Keşiflerimiz yalnızca halkımıza aittir. Onları bir düşmanla paylaşmayacağız.";
    case 75:
        return "      " + w.years + " yıl boyunca bize saldırmamayı kabul ederseniz size " + ScienceOf(0) +
               " bilimini öğretiriz.";
    case 76:
        return "      Son anlaşmamız hâlâ sürüyor. Süresi dolana kadar size başka bir şey öğretmeyeceğiz.";
    case 77:
        return "      Anlaşmalarınızı çok kez bozdunuz. Tutmayacağınız bir söz için bilgimizi vermeyeceğiz.";
    case 78:
        return "      Size öğretirdik ama bilginlerinizin şu an bizden öğrenebileceği bir şey bilmiyoruz. "
               "Başka "
               "neyi kabul edersiniz?";
    default:
        return "";
    }
}

// The two answers "accept" and "go to war" of most bargains.
void TwoAnswers(DialogContent& c, const string& yes, const string& no) {
    c.answers = {yes, no};
}

} // namespace

DialogContent RivalDialogContent(int code) {
    const Words w;
    const bool en = IsEnglish();
    DialogContent c;
    c.text = en ? EnglishText(code, w) : TurkishText(code, w);
    c.title = en ? "Leader of the " + w.rival + " says :" : Genitive(w.rival) + " lideri diyor ki :";
    const string war =
        en ? "The " + w.rival + " declared war against you." : w.rival + " size savaş ilan etti.";
    switch (code) {
    case 3:
        c.title = en ? "Meeting with the " + w.rival : w.rival + " ile karşılaşma";
        TwoAnswers(c, Tr("Yes", "Evet"), Tr("No", "Hayır"));
        return c;
    case 4:
        TwoAnswers(c, en ? "Go in peace, our brothers the " + w.rival + "." : "Tamam, barış bizimle olsun.",
                   Tr("You have to pay us some gold to live in peace.",
                      "Dost olmamızı istiyorsanız bize haraç ödeyin."));
        return c;
    case 5:
    case 6:
        c.title = war;
        break;
    case 37:
        c.title = en ? "We signed a peace treaty with " + w.rival +
                           ". Are you sure of attacking this unit and breaking the treaty?"
                     : w.rival + " ile barış antlaşması imzaladık. Bu birliğe saldırıp antlaşmayı bozmak "
                                 "istediğinize emin misiniz?";
        TwoAnswers(c, Tr("Break treaty", "Antlaşmayı boz"), Tr("Cancel action", "Vazgeç"));
        return c;
    case 40: {
        const string science = ScienceOf(0);
        c.answers = {en ? "We accept teaching " + science + " to " + w.rival + "."
                        : "Size " + science + " bilimini öğretelim.",
                     en ? "You have to pay gold to learn " + science
                        : science + " için bize altın ödemelisiniz",
                     Tr("We do not accept your offer.", "Teklifinizi kabul etmiyoruz.")};
        return c;
    }
    case 43:
        TwoAnswers(c,
                   en ? "We accept " + Amount(1) + " gold for " + ScienceOf(0)
                      : ScienceOf(0) + " için " + Amount(1) + " altını kabul ediyoruz",
                   Tr("We do not accept your offer.", "Teklifinizi kabul etmiyoruz."));
        return c;
    case 41:
        TwoAnswers(c,
                   en ? "We accept paying " + Amount(0) + " gold to " + w.rival
                      : Dative(w.rival) + " " + Amount(0) + " altın ödemeyi kabul ediyoruz",
                   Tr("We reject paying that amount.", "Bu miktarı ödemeyi reddediyoruz."));
        return c;
    case 42:
        TwoAnswers(c, Tr("We accept withdrawing our soldiers.", "Askerlerimizi geri çekmeyi kabul ediyoruz."),
                   Tr("Our soldiers will stay where they are.", "Askerlerimiz oldukları yerde kalacak."));
        return c;
    case 45:
        c.answers = {Tr("Let us exchange our sciences.", "Bilgimizi paylaşıp bilim takası yapalım."),
                     Tr("Withdraw your soldiers to your nearest towns.",
                        "Askerlerinizi en yakın şehirlerinize çekin."),
                     Tr("Pay us to keep the peace.", "Barışın sürmesi için bize ödeme yapmalısınız.")};
        return c;
    case 46:
        c.answers = {
            Tr("Would you care to sign a peace treaty?", "Bir barış antlaşması imzalamak ister misiniz?"),
            Tr("You must deliver us a payment to be friends.", "Dost olmak için bize ödeme yapmalısınız."),
            Tr("You must teach us a science to be friends.",
               "Dost olmak için bize bir bilim öğretmelisiniz.")};
        return c;
    case 47:
        TwoAnswers(c,
                   Tr("We accept exchanging these sciences.", "Bu bilimlerin değiş tokuşunu kabul ediyoruz."),
                   Tr("We do not want this exchange.", "Bu değiş tokuşu istemiyoruz."));
        return c;
    case 52:
        TwoAnswers(
            c,
            en ? "We accept teaching " + ScienceOf(1) + " to " + w.rival + "."
               : "Size " + ScienceOf(1) + " bilimini öğretelim.",
            Tr("We do not want to teach a science for nothing.", "Karşılıksız bilim öğretmek istemiyoruz."));
        return c;
    case 54:
        TwoAnswers(c,
                   Tr("Ok, we made a mistake. Continue living in peace.",
                      "Tamam, hata ettik. Barış içinde yaşayalım."),
                   Tr("How dare you reject our offer, prepare for war!",
                      "Bizi reddediyorsunuz, savaşa hazırlanın!"));
        return c;
    case 55:
        TwoAnswers(c,
                   en ? "We accept this deal and take " + Amount(0) + " gold"
                      : "Bu anlaşmayı kabul ediyor ve " + Amount(0) + " altını alıyoruz",
                   Tr("We do not accept your deal, prepare for war!",
                      "Anlaşmanızı kabul etmiyoruz, savaşa hazırlanın!"));
        return c;
    case 57:
        TwoAnswers(
            c,
            Tr("Ok, that is not a problem. Continue living in peace.",
               "Tamam, sorun değil. Barış içinde yaşayalım."),
            Tr("If you do not trust us then prepare for war!", "Bize güvenmiyorsanız savaşa hazırlanın!"));
        return c;
    case 58:
        TwoAnswers(c,
                   Tr("Ok, we can wait until you are able to pay us.",
                      "Tamam, ödeyebileceğiniz güne kadar bekleriz."),
                   Tr("If you cannot pay us gold, then prepare for war!",
                      "Bize altın ödeyemiyorsanız savaşa hazırlanın!"));
        return c;
    case 60:
        TwoAnswers(c, Tr("Ok, they can stay where they are.", "Tamam, oldukları yerde kalabilirler."),
                   Tr("Then we will move your soldiers, prepare for war!",
                      "Onları biz çekeriz, savaşa hazırlanın!"));
        return c;
    case 65:
        TwoAnswers(
            c,
            en ? "We accept paying " + Amount(0) + " gold for peace"
               : "Barış için " + Amount(0) + " altın ödemeyi kabul ediyoruz",
            Tr("We reject your silly offer, continue war!", "Saçma teklifinizi reddediyoruz, savaş sürsün!"));
        return c;
    case 69:
        TwoAnswers(c,
                   en ? "We accept not attacking you and take " + Amount(0) + " gold"
                      : "Saldırmamayı kabul ediyor ve " + Amount(0) + " altını alıyoruz",
                   Tr("Peace is not that cheap for you, continue war!",
                      "Barış sizin için o kadar ucuz değil, savaş sürsün!"));
        return c;
    case 75:
        TwoAnswers(c,
                   en ? "We accept the deal, so teach us " + ScienceOf(0)
                      : "Kabul, bize " + ScienceOf(0) + " bilimini öğretin",
                   Tr("Peace is not that easy for you, continue war!",
                      "Barış sizin için o kadar kolay değil, savaş sürsün!"));
        return c;
    case 78:
        TwoAnswers(c,
                   Tr("Ok, we understand the situation, so pay us gold.",
                      "Tamam, anlıyoruz; o zaman bize altın ödeyin."),
                   Tr("If you cannot teach us anything, continue war!",
                      "Bize hiçbir şey öğretemiyorsanız savaş sürsün!"));
        return c;
    default:
        break;
    }
    c.answers = {Tr("Continue", "Devam")};
    return c;
}

} // namespace annals
