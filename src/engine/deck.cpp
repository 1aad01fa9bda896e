// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deck.h"

#include <cstddef>

namespace engine {

namespace {

// Deck order: suits Clubs, Diamonds, Hearts, Spades; within a suit Ace to Ten, then King, Queen, Knight.
constexpr Deck kDeck{{
    // Clubs
    {"Ace of Clubs", "Action, success, leadership, courageous and energetic.", "1st week of the spring season.",
     "The best time to start a new business venture. The Ace of Clubs is the card of action and fresh beginnings, "
     "and when it appears in a reading it tells you that the energy you need is already at hand. Plans that have "
     "waited for the right moment can now be put into motion, and your courage and drive will carry others along "
     "with you. This is a period in which you take the lead rather than follow, so trust your own judgment and act "
     "with confidence. Success comes to those who move first, but remember to finish what you begin before you reach "
     "for the next idea."},
    {"Two of Clubs", "Crossroads, overcoming obstacles, indecisive and challenging.", "2nd week of the spring season.",
     "The Two of the Clubs suit denotes that you are standing at a crossroads. Two paths lie open before you and "
     "each of them has its own rewards and its own obstacles. You may feel torn and unable to decide, and others may "
     "press you to rush ahead. The card advises you to take your time, weigh both options and listen to your inner "
     "voice as well as reason. Obstacles that look large today can be overcome once a clear direction has been set. "
     "Indecision is the real danger here; a firm choice, even an imperfect one, will bring movement back into your "
     "life and open the way ahead."},
    {"Three of Clubs", "Change, flexibility, development, traveling and ambitious.", "3rd week of the spring season.",
     "The Three of Clubs denotes constant development. This is a time of growth and change in which your ideas begin "
     "to take a definite shape. You are flexible enough to adapt to new conditions, and your ambition pushes you to "
     "look beyond the familiar horizon. Travel, either for work or for study, is clearly indicated, and a journey "
     "may well bring the useful contacts you have been quietly hoping for. The card also speaks of partnerships that "
     "help you expand your plans. Keep an open mind, stay curious and be willing to learn from people whose "
     "background differs from your own. What you start now will keep developing for a long time, so lay your "
     "foundations with much care and patience, and do not let early success make you careless about the details."},
    {"Four of Clubs", "Happiness, joy, rest, warm and supportive.", "4th week of the spring season.",
     "The Four of the Clubs indicates that you are entering a period of rest and happiness after a long stretch of "
     "hard work. Your efforts have built something stable, and you can now enjoy the comfort and security it brings. "
     "Home and family play a central part in this card: gatherings, celebrations and warm evenings with the people "
     "you love are likely. Friends are warm, supportive and ready to help. This is a good time to strengthen the "
     "bonds you already have rather than to start something entirely new. Allow yourself to relax and to take "
     "pleasure in simple things. The card reminds you that joy shared with others grows larger, and that a peaceful "
     "heart gives you the strength for the next challenge."},
    {"Five of Clubs", "Challenging, energetic, promising, independent and powerful.", "5th week of the spring season.",
     "The Five of Clubs denotes that at this period you are full of energy and eager to prove your real worth. "
     "Competition surrounds you, whether at work, in sports or among friends, and you are ready to meet it head on. "
     "The card promises that your independent spirit and your power of will can bring you through, but it also warns "
     "against turning every discussion into a battle. Not everyone who disagrees is an enemy. Use the challenges you "
     "face as a test of your abilities and as a chance to grow stronger. Changes that seem unsettling at first may "
     "turn out to be the very openings you need. Channel your restless energy into one worthwhile goal and you will "
     "be surprised at how much you can achieve when you stay focused."},
    {"Six of Clubs", "Victory, success, energetic, confident and enterprising.", "6th week of the spring season.",
     "The Six of Clubs denotes that it is a time of victory and public recognition. The struggles of the recent past "
     "are behind you and your success is now visible to everyone around you. News of a promotion or an award may "
     "arrive, and people look to you with respect and admiration. Your confidence is high and your enterprising "
     "nature helps you to seize further opportunities. The card encourages you to accept praise gracefully and to "
     "share your triumph with those who supported you along the way. Be careful that pride does not turn into "
     "arrogance, because goodwill is easily lost. Progress in this period comes through cooperation and steady "
     "effort rather than luck alone. Enjoy the moment, but keep your eyes on the road that still lies ahead of you."},
    {"Seven of Clubs", "Difficulties, hardship, defender, strong and powerful.", "7th week of the spring season.",
     "The Seven of Clubs denotes that this is a time in which you must stand your ground. Difficulties and hardships "
     "test your resolve, and you may feel that you are defending your position against many people at once. The card "
     "shows that you have the strength and the courage to hold out. Do not give up the goals you truly believe in "
     "simply because the pressure is high. Your persistence will earn the respect of others, even of those who "
     "oppose you now. Choose your battles wisely and save your energy for the issues that truly matter. The struggle "
     "will not last forever, and you will come out of it stronger."},
    {"Eight of Clubs", "Energetic, active, powerful, sharp, cautious and focused.", "8th week of the spring season.",
     "The Eight of Clubs indicates that you are passing through a period of rapid movement and activity. Events "
     "follow one another quickly, news arrives from several directions and plans that were stuck for ages suddenly "
     "start to move. You are sharp, alert and able to respond at once, which gives you a clear advantage over slower "
     "rivals. The card advises you to stay focused and cautious, because speed can lead to hasty decisions. Check "
     "the details before you commit yourself. Travel, letters and messages are likely to play an important role "
     "soon. If you keep a clear head and a steady pace, the momentum of this time will carry you much further than "
     "you had expected."},
    {"Nine of Clubs", "Inflexible, determined, stubborn, strong will force and alert.",
     "9th week of the spring season.",
     "The Nine of Clubs indicates that finally you are close to the end of a long and demanding struggle. You have "
     "been tested many times, and the experience has made you determined, watchful and perhaps a little stubborn. "
     "Your strong will is your greatest asset now, because the last stretch of the road is often the hardest. The "
     "card warns you not to become so inflexible that you refuse help or ignore sound advice. Stay alert to sudden "
     "setbacks, but do not let past disappointments make you suspicious of everyone around you. Protect what you "
     "have built and hold on to your principles. Victory is within reach, and your persistence will soon be rewarded "
     "with the security and the peace of mind you have been working toward."},
    {"Ten of Clubs", "Helpful, sympathetic, dependable, reliable and emotional.", "10th week of the spring season.",
     "The Ten of Clubs denotes that gradually you are taking on more and more responsibility. Because you are "
     "helpful, dependable and reliable, people turn to you with their problems, and you find it hard to refuse. The "
     "burden on your shoulders may feel heavy at the moment. The card advises you to ask yourself which tasks truly "
     "belong to you. Sharing a load is not a sign of weakness. Your sympathy for others is a gift, but it must not "
     "exhaust you to the point where you neglect your own needs and wishes. Once you learn to delegate and to set "
     "healthy limits, the effort you put in will bring lasting rewards and a real sense of achievement. The end of "
     "this heavy period is in sight."},
    {"King of Clubs", "Strong-willed, assertive, responsible, leadership and articulate.",
     "13th week of the spring season.",
     "The King of Clubs denotes leadership. It denotes a mature person, often a man, who is honest, strong-willed "
     "and always generous. He may be a father, a mentor or an employer whose advice can help you a great deal. When "
     "this card represents you, it shows that you are ready to guide others and to make firm decisions. Your words "
     "carry weight and you express your ideas clearly and persuasively. The card warns against being too assertive "
     "or impatient with slower people. Lead by example, keep your promises, and others will follow you readily."},
    {"Queen of Clubs", "Powerful, determined, strong-willed, social and leadership.", "12th week of the spring season.",
     "The Queen of Clubs denotes a person who is confident, warm and full of energy. She is often a woman with a "
     "strong personality and a natural leader in her social circle who knows how to bring people together. She is "
     "determined, and yet generous and loyal to her friends. In a reading she may stand for a helpful friend in your "
     "life, or for qualities that you are being asked to develop in yourself. The card favors social activities and "
     "ventures in which charm and initiative count. Be careful not to become domineering; your influence is greatest "
     "when it is gentle."},
    {"Knight of Clubs", "Courageous, heroic, enthusiastic, flexible and dynamic.", "11th week of the spring season.",
     "The Knight of Clubs represents a bosom friend. It describes a young person, loyal and enthusiastic, who will "
     "stand by you in difficult times. This friend is courageous, quick to act and always ready for an adventure. "
     "The card may also reflect your own dynamic nature and your wish to take on something bold and exciting. News "
     "or an unexpected visit may bring a welcome change. The Knight adapts easily to new situations, but he can be "
     "impulsive. Listen to the advice of this trusted companion, and offer the same loyalty in return. Together you "
     "can achieve far more than either of you alone."},
    // Diamonds
    {"Ace of Diamonds", "Financial aid, patient, persevering, powerful and simple.", "1st week of fall.",
     "The Ace of Diamonds symbolizes a positive change. It often points to money arriving from an unexpected source, "
     "such as a gift, a bonus or financial aid that eases a difficult situation. The card rewards patience and "
     "perseverance: what you have quietly worked for now begins to bear fruit. It is a good time to make simple, "
     "practical plans for your finances and to build a solid base for the future. A letter or a message concerning "
     "money or a contract may arrive soon. Keep your goals clear and modest, and do not waste the new resources on "
     "passing pleasures. Save first; enjoy later."},
    {"Two of Diamonds", "Juggling, flexibility, adaptable, playful and carefree.", "2nd week of fall.",
     "The Two of Diamonds represents a transitional phase. It shows that you are juggling two or more "
     "responsibilities at once, often money matters on the one hand and personal commitments on the other. Your "
     "adaptable and playful nature helps you to keep everything in balance, at least for the present. The card asks "
     "you to remain flexible and to avoid taking on more than you can handle. Small financial ups and downs are "
     "quite likely, but they are not a cause for alarm. Keep track of your spending and of the promises you make to "
     "others. Light-hearted as you are, you can turn this changing period into an opportunity to learn which of your "
     "many commitments really matter to you."},
    {"Three of Diamonds", "Recognition, financial increment, promotion, flexibility and job scopes.",
     "3rd week of fall.",
     "The Three of Diamonds denotes that very recently you have been noticed for the quality of your work. "
     "Recognition, a promotion or an increase in income may follow. Your skills are valued, and people in authority "
     "are willing to give you a wider scope for your talents. The card encourages cooperation, because your success "
     "depends partly on the team around you. Take pride in your work and keep raising your standards. Flexibility in "
     "the way you approach new tasks will open still more doors. This is also a good time to study or to gain a "
     "qualification."},
    {"Four of Diamonds", "Greedy, possessive, self control, financial stability and social status.",
     "4th week of fall.",
     "The Four in the Diamond suit symbolizes a positive, stable financial position. Your income is secure, your "
     "savings grow and you enjoy the social status that comes with material success. Yet this card also carries a "
     "warning: the wish to keep what you have can turn into greed or possessiveness. Self control is needed, both in "
     "spending and in holding on too tightly. Money is a tool, not the goal. Share some of your good fortune and you "
     "will find that it brings more happiness than hoarding ever could. A careful investment or the purchase of "
     "property may be favored now."},
    {"Five of Diamonds", "Crisis, financial instability, isolation, depressed and deprivation.", "5th week of fall.",
     "The Five of Diamond represents financial instability. It denotes a period of crisis in which money is scarce "
     "and security seems remote. You may feel isolated and deprived of the support you expected from others. The "
     "card does not mean that the situation is hopeless. It asks you to face the facts honestly, to cut unnecessary "
     "costs and to ask for help where it is available. Pride must not stop you from accepting a helping hand. The "
     "hardship is temporary, and the lessons it teaches about value and thrift will serve you well later."},
    {"Six of Diamonds", "Generous, helpful, financial gain, caring and responsible.", "6th week of fall.",
     "The Six of Diamonds represents that it is period of giving and receiving. You may be in a position to help "
     "someone in need, or you may be the one who receives generous support. Either way, money and kindness flow "
     "freely now. The card praises your caring and responsible nature and reminds you that fairness counts in every "
     "exchange. Repay your debts, keep your accounts straight and lend only what you can afford to lose. Gains come "
     "through honest dealings and the goodwill of others."},
    {"Seven of Diamonds", "Patient, persevering, determination, reassessing nature and successful.",
     "7th week of fall.",
     "The Seven of Diamonds reveals that you are passing through a time of patient waiting. You have invested "
     "effort, money or emotions in a project and the results are slow to appear. The card advises perseverance and "
     "determination, but also a careful reassessment of your plans. Is the path you have chosen still the right one? "
     "Take stock of what has worked and what has not, and be willing to adjust your course where it is necessary. Do "
     "not give up hope too soon, because the harvest is closer than it seems. Success comes to people who combine "
     "patience with sound judgment."},
    {"Eight of Diamonds", "Perfect, learner, persevering, powerful and concentration.", "8th week of fall.",
     "The Eight of Diamonds represents that you are learning a new skill or perfecting an old one. You are a "
     "diligent learner who wants to get every detail right, and your concentration is remarkable. The card speaks of "
     "apprenticeship, study and steady practice that will pay off in the long run. Work done with care now lays the "
     "foundation for future security and for a solid reputation. The card warns against perfectionism that prevents "
     "you from ever finishing anything. Progress comes step after step, and you must accept that mistakes are part "
     "of learning. Your persevering nature gives you the power to master whatever you set your mind to. Money earned "
     "through your own skill and effort is especially favored."},
    {"Nine of Diamonds", "Self- reliance, self-actualization, independent, satisfied and ambitious.",
     "9th week of fall.",
     "The Nine of Diamonds denotes a state of self reliance and quiet satisfaction. Through your own efforts you "
     "have reached a comfortable position, both financially and personally. You are independent and do not need to "
     "lean on anyone, which gives you a great freedom. The card speaks of self-actualization: you are becoming the "
     "person you always wanted to be. Enjoy the comforts and the luxuries you have earned, but do not let "
     "independence turn into isolation. Your ambition may already be pointing to the next goal, and that is healthy "
     "as long as you also take time to appreciate what is already yours. Good taste, a pleasant home and refined "
     "pleasures are linked with this card."},
    {"Ten of Diamonds", "Prosperous, wealthy, family bound, enterprising and excellent communicator.",
     "10th week of fall.",
     "The Ten of Diamonds represents a new phase in your material life. Prosperity and wealth are at hand, often "
     "connected with your family: an inheritance, a family business or a shared investment may play a role. Your "
     "enterprising spirit and your gift for communication help you turn opportunities into lasting gains. The card "
     "favors long-term planning and the building of something that will benefit the next generation. Be generous "
     "with those closest to you, and keep the lines of communication open when money is discussed."},
    {"King of Diamonds", "Conservative, thrifty, humble, powerful, serious and grave.", "13th week of fall.",
     "The King of Diamond denotes a 'patriarch' - one who is conservative, thrifty and serious about his duties. He "
     "may be a banker, a businessman or an older relative who manages money with great care. He is humble in manner "
     "but powerful in influence. His advice on financial matters is worth listening to, even if it sounds "
     "old-fashioned. When the card represents you, it shows that you can handle wealth wisely, resist waste and take "
     "grave decisions calmly. Respect for tradition brings stability."},
    {"Queen of Diamonds", "Motherly figure, sensitive, warm, understanding and emotional.", "12th week of fall.",
     "The Queen of the Diamonds represents a motherly figure. She is warm, sensitive and understanding, and she "
     "knows how to make a home comfortable and secure. She may be your mother, a relative or a friend who looks "
     "after you with great care. She is also practical with money and has a talent for making much out of little. "
     "When the card stands for you, it shows your own caring and emotional nature, and your gift for home-making. "
     "The card advises you to offer support without smothering others and to accept care when it is offered to you."},
    {"Knight of Diamonds", "Negotiator, strong, reliable, strong and stubborn.", "11th week of fall.",
     "The Knight of Diamond symbolizes good luck in terms of money and business. He is a young person, reliable and "
     "strong, with a gift for negotiation and dealmaking. He may bring you news of a contract, a business offer or a "
     "favorable agreement you hoped for. The card warns that his strength can turn into stubbornness, so be ready to "
     "compromise when talks become difficult. Stay firm on the essentials but flexible on details. If you show "
     "patience and keep your word, the outcome of current negotiations will be in your favor and may lead to lasting "
     "profit."},
    // Hearts
    {"Ace of Hearts", "Love, fulfillment, sensitive, emotional and confident.", "1st week of the summer season.",
     "As the symbol itself denotes, the Ace of Hearts is the card of love in its purest form. It marks the beginning "
     "of a deep emotional experience: a new relationship, a reconciliation, or a renewed sense of closeness with "
     "family and friends. Your heart is open and sensitive, and you are ready to give as well as to receive "
     "affection. The card also speaks of fulfillment at home and of the joy that comes from caring for others. If "
     "you have been waiting for a sign of affection, this is it. Let your feelings guide you with confidence, and do "
     "not hide your emotions out of the fear of being hurt."},
    {"Two of Hearts", "Warm hearted, attraction, devotion, sensitive and understanding.",
     "2nd week of the summer season.",
     "As the symbol itself denotes, the Two of Heart is the card of attraction and partnership. Two people are drawn "
     "to each other by a warm and genuine bond, and a friendship may now turn into something deeper. The card "
     "promises devotion, mutual understanding and the harmony that comes when both partners listen to each other. It "
     "is a favorable sign for engagements, reunions and the settling of old misunderstandings. Your warm-hearted and "
     "sensitive nature makes others trust you readily. Be honest about what you want, and give your partner the same "
     "attention and respect that you hope to receive in return."},
    {"Three of Hearts", "Joy, happiness, romance, comfort and sensitive.", "3rd week of the summer season.",
     "The Three in the Heart suit indicates the beginning of a joyful and happy period. Celebrations, parties and "
     "pleasant company are on their way, and romance may blossom among them. You feel comfortable with yourself and "
     "with the people around you, and your gentle nature lets you share in the happiness of others. The card may "
     "also announce good news about a birth, a wedding or a family event. Enjoy the moment and let yourself be "
     "lifted by the light mood, but be careful not to promise more than you can give when your emotions are running "
     "high. Friendship is the true treasure of this time."},
    {"Four of Hearts", "Apathy, frustrated, dissatisfied, unfulfilled and emotional.", "4th week of the summer season.",
     "The Four of Hearts denotes a sense of emotional weariness. You may feel bored, frustrated or dissatisfied with "
     "a relationship or with your life in general, though nothing is really wrong. Things that used to bring you joy "
     "now leave you cold, and you may long for something you cannot name. The card advises you to look inward and "
     "ask what is missing. Apathy often hides an unfulfilled need that has been ignored for too long. Instead of "
     "withdrawing, talk openly with the people who matter to you, and be ready to make a change. A new interest, a "
     "short trip or a visit to friends can revive your spirits. Notice the good things that are already there."},
    {"Five of Hearts", "Grief, sorrow, worried, depressed and disappointment.", "5th week of the summer season.",
     "The Five located in the suit of Hearts indicates a period of grief and sorrow. A disappointment in love, the "
     "loss of a friendship or the end of a hope may now weigh heavily on your heart. It is natural to feel worried "
     "and low, and the card does not ask you to hide your pain. It does remind you that not everything has been "
     "lost. Look at what remains and at the people who stand by you. Allow yourself time to mourn, then slowly turn "
     "your face toward the future. Healing comes with patience, and the sadness of today will give way to new hope."},
    {"Six of Hearts", "Nostalgic, homesick, isolate, inflexible and helpful.", "6th week of the summer season.",
     "The Six of Hearts denotes that you are showing a strong attachment to the past. Memories of childhood, of old "
     "friends or of a former home fill your thoughts, and you may feel homesick or nostalgic. Such memories can "
     "comfort you, but they can also keep you from moving forward. The card warns against isolating yourself and "
     "against refusing change out of habit. At the same time it shows your helpful nature: an old friend may need "
     "you, or someone from your past may return with a kind gesture. Cherish what was good, and use it as a firm "
     "foundation for the present."},
    {"Seven of Hearts", "Warm hearted, sensitive, cooperative, romantic and understanding.",
     "7th week of the summer season.",
     "As the symbol itself denotes, the Seven of Heart speaks of warm feelings and romantic dreams. You are "
     "sensitive and cooperative, and your understanding nature draws people to you. The card warns, however, that "
     "you may be choosing between several wishes or idealizing someone. Not every dream can become real, so look at "
     "your options with clear eyes. When you decide what you truly want, love and harmony will follow. Share your "
     "hopes and doubts with those you trust, and heed their advice, because a friend sees what the heart ignores."},
    {"Eight of Hearts", "Frustrated, better opportunity, spiritual achievement, powerful and responsible.",
     "8th week of the summer season.",
     "The Eight of Hearts indicates that there is something you need to leave behind. You may feel frustrated "
     "because a relationship, a job or a way of life no longer satisfies you, even though it once seemed perfect. "
     "The card tells you that a better opportunity lies ahead, but to reach it you must be willing to walk away from "
     "the familiar. This is often a journey of spiritual growth rather than a physical one. You are stronger and "
     "more responsible than you think, and the decision to move on will give you new power. Do not regret what you "
     "leave; it has taught you valuable lessons. The true achievement of this period is the discovery of what you "
     "really want from life. Trust that the road ahead will lead you to greater fulfillment and deeper peace."},
    {"Nine of Hearts", "Love, romance, joy, happiness and relaxing.", "9th week of the summer season.",
     "The Nine of Hearts relates to those matters which bring the deepest satisfaction. It is known as the wishing "
     "card, and it promises that a heartfelt desire has every chance to come true. Love and romance flourish, "
     "laughter and joy fill your home and you can finally relax after a demanding time. The card invites you to "
     "enjoy the pleasures of life without guilt and to share your happiness generously. Be clear about what you wish "
     "for, because the card tends to bring exactly that. Gratitude will make the good times last much longer. If you "
     "are single, a pleasant meeting may be near; if you are in a relationship, it may reach a new level of trust "
     "and contentment."},
    {"Ten of Hearts", "Committed, lovable, sympathetic, friendly and cheerful.", "10th week of the summer season.",
     "As the symbol itself denotes, the Ace of Hearts is the seed of love, and the Ten of Hearts shows that seed in "
     "full bloom. This card stands for lasting happiness in the family circle and for a love that is committed, "
     "mature and secure. Your lovable and cheerful nature spreads warmth wherever you go, and friends gather around "
     "you all the time. The card promises emotional fulfillment, harmony at home and the joy of shared achievements. "
     "It is a very favorable sign for marriage, for children and for reunions with people you love. Keep your "
     "sympathy and your friendliness alive, and your happiness will continue to grow."},
    {"King of Hearts", "Articulate, kind, warm, sensitive and understanding.", "13th week of the summer season.",
     "When the King is in the Hearts suit, it represents a kind and warm man with a very generous heart. He is "
     "sensitive to the feelings of others and can express his thoughts in an articulate and gentle manner. He may be "
     "a loving father, a devoted partner, a loyal friend or a wise adviser who listens before he speaks. When the "
     "card represents you, it shows that you lead through understanding rather than force. The card warns only "
     "against hiding your own needs behind your concern for others. Be as kind to yourself as you are to those you "
     "love."},
    {"Queen of Hearts", "Warm, sensitive, understanding, healer and lovable.", "12th week of the summer season.",
     "When the Queen is in the Hearts suit, it stands for a warm, sensitive and understanding woman who cares deeply "
     "for others. She is a natural healer, able to soothe pain with a few kind words, and people come to her with "
     "their sorrows. She may be a mother, a partner or a dear friend whose love you can rely on. When the card "
     "represents you, it reveals your own lovable and compassionate nature. The card advises you not to carry the "
     "burdens of everyone around you, because even a healer needs some rest. Listen to your intuition; it rarely "
     "leads you astray. Love offered freely will return to you."},
    {"Knight of Hearts", "Warm, sensitive, charismatic, love and romantic.", "11th week of the summer season.",
     "As the symbol itself denotes, the Knight of Heart is the romantic messenger of the deck. He is a young person, "
     "warm, sensitive and charismatic, who brings love, invitations and proposals. His arrival may mean the start of "
     "a new romance, a declaration of feelings or a message that lifts up your heart. The card encourages you to "
     "follow your feelings, but it also warns that charm is not the same as commitment. Enjoy the excitement, yet "
     "watch whether words are followed by deeds. When this card stands for you, it shows your romantic and "
     "idealistic side and your ability to win hearts with ease."},
    // Spades
    {"Ace of Spades", "Misfortunes, determination, challenge, death and stubborn.", "1st week of the winter season.",
     "The Ace of Spades symbolizes an upcoming difficult time that will test your determination. It is often feared "
     "as the card of misfortune, and in a reading it may point to the end of something important: a job, a "
     "relationship or an old belief. Yet every ending clears the ground for a new beginning. The card challenges you "
     "to face reality without running away. Your stubborn strength, so often a weakness, becomes an asset now. "
     "Accept what cannot be changed and fight for what can. Once the storm has passed, you will find that it has "
     "removed what no longer served you and left you wiser."},
    {"Two of Spades", "Stalemate, tension, indecisive, argumentative and impractical.",
     "2nd week of the winter season.",
     "The Two of Spades denotes that you are a person caught between two opposing forces. A decision has to be made, "
     "but you keep postponing it, hoping the problem will solve itself. The result is a stalemate full of tension, "
     "and small disagreements may turn into arguments. The card advises you to stop avoiding the issue. Gather the "
     "facts, set aside impractical wishes and listen to both your head and your heart. Refusing to choose is also a "
     "choice, and usually the worst. A calm and honest conversation can break the deadlock and restore peace. Once "
     "you take a clear position, the pressure will lessen and you will move on."},
    {"Three of Spades", "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
     "3rd week of the winter season.",
     "The Three of Spades denotes destruction. It indicates that something in your emotional life is breaking up. A "
     "quarrel, a separation or a painful discovery may cause great hurt, and you may feel betrayed by someone you "
     "trusted. The card also warns of self-destructive patterns that make matters worse, such as jealousy or bitter "
     "words. Though the pain is real, the card is not only negative: it clears the way for you to become independent "
     "and start a new phase of life. Allow yourself to grieve, but do not let resentment decide your future. Wounds "
     "heal once they are cleaned."},
    {"Four of Spades", "Stagnancy, illness, discouragement, weakness and challenges.", "4th week of the winter season.",
     "The Four of Spades indicates that you are liable to feel tired, discouraged or unwell. A long time of strain "
     "has drained your energy, and sickness or fatigue may force you to slow down. Progress appears to have come to "
     "a standstill, and challenges that you once handled easily now look overwhelming. The card advises rest and "
     "recovery rather than struggle. Look after your health, step back from conflict and give your mind time to "
     "heal. Stagnancy is not failure; it is a pause in which strength returns. Seek medical advice if needed and "
     "accept support from those close to you. When you return to your tasks, you will do so with renewed vigor."},
    {"Five of Spades", "Quarrelsome, argumentative, independent, humiliated and angry.",
     "5th week of the winter season.",
     "The Five of Spades indicates that you are in the middle of a conflict in which nobody wins. Quarrels, harsh "
     "words and wounded pride leave you feeling humiliated or angry. You may want to prove that you are right at any "
     "cost, but the victory would be empty. The card advises you to step away from the argument and think about what "
     "really matters. Independence is valuable, yet it should not turn into isolation. Accept the loss gracefully "
     "and learn the lesson it brings."},
    {"Six of Spades", "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
     "6th week of the winter season.",
     "The Six of Spades denotes destruction. It indicates that an old situation is coming to an end so that a new "
     "one can begin. The break may well be painful, but it is a necessary passage, often linked with travel or a "
     "move away from troubles. You may feel torn between the wish to leave and your attachment to what you know. The "
     "card warns against self-destructive thoughts and against carrying old conflicts into the new place. Separation "
     "from a person or a place brings relief in time. Your independent spirit will carry you across to calmer waters "
     "and to a new phase of life."},
    {"Seven of Spades", "Timid, coward, sly, cunning and manipulative.", "7th week of the winter season.",
     "The Seven of Spades reflects your manipulative nature. It warns that cunning and deceit are present in your "
     "situation, either in your own actions or in the behavior of someone close to you. A sly plan may seem clever, "
     "but it rarely brings lasting gain. The card also points to timidity: fear of open conflict can tempt you to "
     "avoid the truth. Be honest and be direct, and watch out for people who flatter you while they act behind your "
     "back. Guard your plans and your words carefully."},
    {"Eight of Spades", "Introvert, fearful, lack of confidence, desperate and worried.",
     "8th week of the winter season.",
     "The Eight of Spades represents all kind of fears and doubts that hold you back. You feel trapped, though the "
     "walls are mostly in your mind. A lack of confidence makes you hesitate, and worry keeps you awake. The card "
     "advises you to question the stories you tell yourself. Take one small step at a time and ask for help whenever "
     "you need it. The way out is closer than you think."},
    {"Nine of Spades", "Worries, tensions, depressions, illness and indecisive.", "9th week of the winter season.",
     "The Nine of Spades indicates a period which is heavy with worry and anxiety. Sleepless nights, dark thoughts "
     "and fears about the future may trouble you. Much of this tension comes from imagining the worst rather than "
     "from real events, but it wears you down just the same. The card also warns about illness brought on by stress, "
     "grief and depression. It advises you to speak about your worries with someone you trust, because shared "
     "burdens become lighter. Avoid important decisions while you are in this state of mind; indecision now is "
     "better than a rash choice. Look after your body and your mind, and remember that the night is always darkest "
     "just before the dawn."},
    {"Ten of Spades", "New beginning, realization, end of bad habits, painful parting and prosperous.",
     "10th week of the winter season.",
     "The Ten of Spades symbolizes a period full of painful endings that open the way to a new beginning. Something "
     "has reached its lowest point, and it cannot get any worse. This realization, hard as it is, brings a kind of "
     "release. It is time to end bad habits, to let go of relationships that hurt you and to part with illusions. "
     "The parting may hurt, but it frees you from a burden you have carried for too long. The card promises that "
     "once you accept the ending, recovery follows and prosperity can return. Look forward, not back; the sun rises "
     "again after the darkest night. Friends who stand by you in this dark hour deserve your trust; keep them nearby."},
    {"King of Spades", "Worries, necessary decisions, judgment, wisdom and responsible.",
     "13th week of the winter season.",
     "The King of Spades denotes the several worries and heavy responsibilities that come with authority. He is a "
     "serious and wise man, often a judge, a lawyer or an official, whose decisions are based on reason rather than "
     "feeling. He can be stern and distant, but his judgment is always fair. When this card appears, necessary "
     "decisions can no longer be postponed, and you may need expert advice to make them. If the card represents you, "
     "it shows your sense of responsibility and your ability to think clearly under pressure. Do not let cold logic "
     "make you forget compassion. Wisdom is complete only when it is also kind and humble."},
    {"Queen of Spades", "Independent, volatile, dynamic, restless and carefree.", "12th week of the winter season.",
     "The Queen of Spades denotes the several worries and disappointments that have shaped a strong and independent "
     "woman. She has known loss, and it has made her sharp, perceptive and at times volatile. She values her freedom "
     "and does not easily let others close. In a reading she may be a widow, a divorcee or a colleague with a quick "
     "tongue and a clear mind. When she stands for you, she shows your dynamic and restless nature and your refusal "
     "to be controlled. The card warns against bitterness and against pushing people away out of fear. Your carefree "
     "manner may hide real pain; allowing someone to help you does not weaken you. Truth spoken kindly serves you "
     "better than sharp words."},
    {"Knight of Spades", "Deceit, worries, depressions, intelligent and careful.", "11th week of the winter season.",
     "The Knight of Spades symbolizes all kind of worries brought by a clever, unreliable young person. He is "
     "intelligent, quick and careful in what he reveals, and his charm may hide selfish motives. Be wary of any new "
     "acquaintances who seem too eager to win your trust, and check the facts before you sign or lend anything. The "
     "card also warns of gossip and of depression that follows a disappointment. On the other hand, when it "
     "represents you, it shows a sharp mind that can cut through confusion and discover the truth. Use your "
     "intelligence honestly, and do not let suspicion poison every relationship. Careful planning and open "
     "communication will shield you from deceit and the worries it brings."},
}};

// Handed out for an index outside the deck so that a stray value shows blank texts instead of reading
// past the table.
constexpr Card kNoCard{};

} // namespace

const Deck& deck()
{
    return kDeck;
}

const Card& card(CardIndex index)
{
    if (index < 0 || index >= kCardCount)
        return kNoCard;
    return kDeck[static_cast<std::size_t>(index)];
}

std::optional<CardIndex> findCardByName(std::string_view name)
{
    for (std::size_t index = 0; index < kDeck.size(); ++index) {
        if (kDeck[index].name == name)
            return static_cast<CardIndex>(index);
    }
    return std::nullopt;
}

void fillReadingTables() {}

} // namespace engine
