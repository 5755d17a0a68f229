<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CastingBoard</name>
    <message>
        <source>Mother %1</source>
        <translation>Mère %1</translation>
    </message>
    <message>
        <source>Daughter %1</source>
        <translation>Fille %1</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Opens the report window to save or print the interpretation.</source>
        <translation>Ouvre la fenêtre du rapport pour enregistrer ou imprimer l’interprétation.</translation>
    </message>
    <message>
        <source>Mother Figure</source>
        <translation>Figures mères</translation>
    </message>
    <message>
        <source>Daughter Figure</source>
        <translation>Figures filles</translation>
    </message>
    <message>
        <source>Click to Create Mother %1</source>
        <translation>Cliquez pour créer la mère %1</translation>
    </message>
    <message>
        <source>Next: casts Mother %1, four rows of one or two dots drawn at random.</source>
        <translation>Prochain appui&#xa0;: trace la mère %1, quatre lignes d’un ou deux points tirées au hasard.</translation>
    </message>
    <message>
        <source>Click to Create Four Daughters %1</source>
        <translation>Cliquez pour créer la fille %1</translation>
    </message>
    <message>
        <source>Next: derives Daughter %1 from rows of the four mothers.</source>
        <translation>Prochain appui&#xa0;: forme la fille %1 à partir des lignes des quatre mères.</translation>
    </message>
    <message>
        <source>Display Sikidy Interpretation</source>
        <translation>Afficher l’interprétation du sikidy</translation>
    </message>
    <message>
        <source>Next: writes the interpretation of the sixteen houses into the Sikidy Interpretation panel and enables Print.</source>
        <translation>Prochain appui&#xa0;: écrit l’interprétation des seize maisons dans le panneau «&#xa0;Interprétation du sikidy&#xa0;» et active Imprimer.</translation>
    </message>
    <message>
        <source>Do It Once Again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Next: clears the board and the interpretation for a new casting.</source>
        <translation>Prochain appui&#xa0;: efface le tableau et l’interprétation pour un nouveau tirage.</translation>
    </message>
    <message>
        <source>%1, row %2: %3</source>
        <extracomment>A dot picture to screen readers, such as &quot;Mother 1, row 2: two dots&quot;.</extracomment>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>two dots</source>
        <translation>deux points</translation>
    </message>
    <message>
        <source>one dot</source>
        <translation>un point</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>House 1(Tale)</source>
        <translation>maison 1 (Tale)</translation>
    </message>
    <message>
        <source>House 2(Mahamay)</source>
        <translation>maison 2 (Mahamay)</translation>
    </message>
    <message>
        <source>House 3(Fahatelo)</source>
        <translation>maison 3 (Fahatelo)</translation>
    </message>
    <message>
        <source>House 4(Bilady)</source>
        <translation>maison 4 (Bilady)</translation>
    </message>
    <message>
        <source>House 5(Fianahana)</source>
        <translation>maison 5 (Fianahana)</translation>
    </message>
    <message>
        <source>House 6(Abily)</source>
        <translation>maison 6 (Abily)</translation>
    </message>
    <message>
        <source>House 7(Alisay)</source>
        <translation>maison 7 (Alisay)</translation>
    </message>
    <message>
        <source>House 8(Fahavalo)</source>
        <translation>maison 8 (Fahavalo)</translation>
    </message>
    <message>
        <source>House 9(Fahasivy)</source>
        <translation>maison 9 (Fahasivy)</translation>
    </message>
    <message>
        <source>House 10(Ombiasy)</source>
        <translation>maison 10 (Ombiasy)</translation>
    </message>
    <message>
        <source>House 11(Haja)</source>
        <translation>maison 11 (Haja)</translation>
    </message>
    <message>
        <source>House 12(Haky)</source>
        <translation>maison 12 (Haky)</translation>
    </message>
    <message>
        <source>House 13(Asorita)</source>
        <translation>maison 13 (Asorita)</translation>
    </message>
    <message>
        <source>House 14(Saily)</source>
        <translation>maison 14 (Saily)</translation>
    </message>
    <message>
        <source>House 15(Safary)</source>
        <translation>maison 15 (Safary)</translation>
    </message>
    <message>
        <source>House 16(Kiba)</source>
        <translation>maison 16 (Kiba)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Casts and reads a sikidy chart, the geomantic divination of Madagascar.
Qt&apos;s own options, such as -platform, -display and -style, are accepted.</source>
        <translation>Trace et lit un tableau de sikidy, la divination géomantique de Madagascar.
Les options propres à Qt, comme -platform, -display et -style, sont acceptées.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>IconPicture</name>
    <message>
        <source>Kelvora icon</source>
        <translation>Icône de Kelvora</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
The folder does not exist. Check the path and try again.</source>
        <translation>%1
Le dossier n’existe pas. Vérifiez le chemin et réessayez.</translation>
    </message>
    <message>
        <source>%1
The file has no name. Type a name and try again.</source>
        <translation>%1
Le fichier n’a pas de nom. Saisissez un nom et réessayez.</translation>
    </message>
    <message>
        <source>%1
This file is read-only. Use a different name.</source>
        <translation>%1
Ce fichier est en lecture seule. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà lancée</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.</translation>
    </message>
    <message>
        <source>Do you want to check for an update?</source>
        <translation>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Kelvora is a method of divination from Madagascar. This word is derived from the Arabic word for &quot;figure&quot;. This form of divination can be used to know if the sign shown by the reading is good or bad and help us prepare ourselves for the worst. Copyright © Kelvora; all rights reserved.</source>
        <translation>Kelvora est une méthode de divination de Madagascar. Ce mot vient du mot arabe signifiant «&#xa0;figure&#xa0;». Cette divination permet de savoir si le signe donné par la lecture est bon ou mauvais et nous aide à nous préparer au pire. Copyright © Kelvora&#xa0;; tous droits réservés.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez depuis chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <source>Thank you for using Kelvora</source>
        <translation>Merci d’avoir utilisé Kelvora</translation>
    </message>
    <message>
        <source>Kelvora is free. If it has helped you, please support our web site: tell a friend about Kelvora, link to us from your own site, and come back to see what is new.</source>
        <translation>Kelvora est gratuit. S’il vous a aidé, soutenez notre site&#xa0;: parlez de Kelvora à un ami, faites un lien vers nous depuis votre site et revenez voir les nouveautés.</translation>
    </message>
    <message>
        <source>Click here to see our other programs.</source>
        <translation>Cliquez ici pour voir nos autres programmes.</translation>
    </message>
    <message>
        <source>Refer a Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Friend&apos;s name:</source>
        <translation>&amp;Nom de l’ami&#xa0;:</translation>
    </message>
    <message>
        <source>Friend&apos;s &amp;e-mail:</source>
        <translation>&amp;Courriel de l’ami&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing is sent from here: Send opens our page in your browser.</source>
        <translation>Rien n’est envoyé d’ici&#xa0;: Envoyer ouvre notre page dans votre navigateur.</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Thank you! Finish on our page in your browser.</source>
        <translation>Merci&#xa0;! Terminez sur notre page dans votre navigateur.</translation>
    </message>
    <message>
        <source>Please enter your friend&apos;s e-mail address.</source>
        <translation>Veuillez saisir l’adresse électronique de votre ami.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Join the Kelvora discussion board: click here to visit us online.</source>
        <translation>Rejoignez le forum de discussion de Kelvora&#xa0;: cliquez ici pour nous rendre visite en ligne.</translation>
    </message>
    <message>
        <source>Kelvora is a method of geomancy from Madagascar. This word is derived from the Arabic word for &quot;figure&quot;. This form of divination can be used to know if the sign shown by the reading is good or bad and help us prepare ourselves for the worst.</source>
        <translation>Kelvora est une méthode de géomancie de Madagascar. Ce mot vient du mot arabe signifiant «&#xa0;figure&#xa0;». Cette divination permet de savoir si le signe donné par la lecture est bon ou mauvais et nous aide à nous préparer au pire.</translation>
    </message>
    <message>
        <source>Sikidy Interpretation</source>
        <translation>Interprétation du sikidy</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Mettez la marque de votre site sur ce logiciel pour fidéliser vos visiteurs et en attirer d’autres. Placez ici le nom et le lien de votre site. Voir «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le comarquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez depuis chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Report Generated By %1</source>
        <translation>Rapport créé par %1</translation>
    </message>
    <message>
        <source>Join our online sikidy discussion forum</source>
        <translation>Rejoignez notre forum en ligne sur le sikidy</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Sauver</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez depuis chez vous. Créez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.
%2</source>
        <translation>Le rapport n’a pas pu être enregistré dans %1.
%2</translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Texte enrichi (*.rtf)</translation>
    </message>
</context>
<context>
    <name>modSikidy</name>
    <message>
        <source>Via - The Way</source>
        <translation>Via - La Voie</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
    <message>
        <source>Mpanjaka (Princes)</source>
        <translation>Mpanjaka (princes)</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Stomach</source>
        <translation>Estomac</translation>
    </message>
    <message>
        <source>This figure signifies loneliness, death and a journey.</source>
        <translation>Cette figure signifie la solitude, la mort et un voyage.</translation>
    </message>
    <message>
        <source>This figure signifies some kind of action and forward motion. You may also face loneliness. This is only favorable for travel.</source>
        <translation>Cette figure signifie une forme d’action et de mouvement vers l’avant. Vous pourriez aussi connaître la solitude. Elle n’est favorable qu’aux voyages.</translation>
    </message>
    <message>
        <source>Populus  The People</source>
        <translation>Populus - Le Peuple</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Stabilité</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stable</translation>
    </message>
    <message>
        <source>Breasts and Midriffs</source>
        <translation>Seins et haut du ventre</translation>
    </message>
    <message>
        <source>This figure stands for abundance.</source>
        <translation>Cette figure représente l’abondance.</translation>
    </message>
    <message>
        <source>This figure stands for a lot of happiness, joy, meetings, gatherings, people, family and abundance.</source>
        <translation>Cette figure représente beaucoup de bonheur, la joie, les rencontres, les rassemblements, le monde, la famille et l’abondance.</translation>
    </message>
    <message>
        <source>Conjunctio - Union</source>
        <translation>Conjunctio - L’Union</translation>
    </message>
    <message>
        <source>Interaction</source>
        <translation>Interaction</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Intestines</source>
        <translation>Intestins</translation>
    </message>
    <message>
        <source>There may be some heavy weight of problems on your head. You will be protected from enemies and thieves.</source>
        <translation>Vous porterez peut-être un lourd fardeau de problèmes sur la tête. Vous serez protégé des ennemis et des voleurs.</translation>
    </message>
    <message>
        <source>There may be some heavy weight of problems on your head. You will be protected from enemies and thieves. You will be successful in relationships, partnerships or new ventures.</source>
        <translation>Vous porterez peut-être un lourd fardeau de problèmes sur la tête. Vous serez protégé des ennemis et des voleurs. Vous réussirez dans vos relations, vos associations ou vos nouvelles entreprises.</translation>
    </message>
    <message>
        <source>Carcer - Prison</source>
        <translation>Carcer - La Prison</translation>
    </message>
    <message>
        <source>Isolation</source>
        <translation>Isolement</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Lower Legs and Knees</source>
        <translation>Jambes et genoux</translation>
    </message>
    <message>
        <source>This signifies a comfortable house and food to eat. You will be protected from vagabonds.</source>
        <translation>Elle signifie une maison confortable et de quoi manger. Vous serez protégé des vagabonds.</translation>
    </message>
    <message>
        <source>This signifies a comfortable house and food to eat. You will be protected from vagabonds. It is only favorable for confinements. Some deals may revert back.</source>
        <translation>Elle signifie une maison confortable et de quoi manger. Vous serez protégé des vagabonds. Elle n’est favorable qu’à ce qui doit rester enfermé. Certaines affaires pourraient être annulées.</translation>
    </message>
    <message>
        <source>Fortuna Major - Greater Fortune</source>
        <translation>Fortuna Major - La Grande Fortune</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Chest and Heart</source>
        <translation>Poitrine et cœur</translation>
    </message>
    <message>
        <source>This is a very sacred figure and symbolizes fire.</source>
        <translation>C’est une figure très sacrée, qui symbolise le feu.</translation>
    </message>
    <message>
        <source>This is a very sacred figure and symbolizes fire. This is a sign of happiness, prosperity, good luck, material wealth, love, honor and respect.</source>
        <translation>C’est une figure très sacrée, qui symbolise le feu. C’est un signe de bonheur, de prospérité, de chance, de richesse matérielle, d’amour, d’honneur et de respect.</translation>
    </message>
    <message>
        <source>Fortuna Minor - The Lesser Fortune</source>
        <translation>Fortuna Minor - La Petite Fortune</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rapidité</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Spine</source>
        <translation>Colonne vertébrale</translation>
    </message>
    <message>
        <source>This stands for chiefs and elderly people of the clan. This also represents anger, pride, domination and food.</source>
        <translation>Elle représente les chefs et les anciens du clan. Elle représente aussi la colère, l’orgueil, la domination et la nourriture.</translation>
    </message>
    <message>
        <source>This stands for chiefs and elderly people of the clan. This also represents anger, pride, domination and food. You may have to put in a lot of work but you will have a fast outcome. There is some instability in your dealings.</source>
        <translation>Elle représente les chefs et les anciens du clan. Elle représente aussi la colère, l’orgueil, la domination et la nourriture. Vous devrez peut-être beaucoup travailler, mais le résultat viendra vite. Il y a une certaine instabilité dans vos affaires.</translation>
    </message>
    <message>
        <source>Acquisitio - Gain</source>
        <translation>Acquisitio - Le Gain</translation>
    </message>
    <message>
        <source>Prosperity</source>
        <translation>Prospérité</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>Cuisses</translation>
    </message>
    <message>
        <source>You may receive money. But there may be some problems too. Legal issues will be solved.</source>
        <translation>Vous recevrez peut-être de l’argent, mais il pourrait aussi y avoir quelques problèmes. Les affaires de justice seront réglées.</translation>
    </message>
    <message>
        <source>You may receive money. But there may be some problems too. Legal issues will be solved. You will have a lot of material gains, power, promotions and benefits.</source>
        <translation>Vous recevrez peut-être de l’argent, mais il pourrait aussi y avoir quelques problèmes. Les affaires de justice seront réglées. Vous aurez beaucoup de gains matériels, de pouvoir, de promotions et d’avantages.</translation>
    </message>
    <message>
        <source>Amissio - Loss</source>
        <translation>Amissio - La Perte</translation>
    </message>
    <message>
        <source>Misfortune</source>
        <translation>Malheur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <source>There may be some conflicts for land and children.</source>
        <translation>Il pourrait y avoir des conflits à propos de terres et d’enfants.</translation>
    </message>
    <message>
        <source>There may be some conflicts for land and children. You will face losses in the form of love or money. Success will be elusive. You will be successful only if you wish to lose something.</source>
        <translation>Il pourrait y avoir des conflits à propos de terres et d’enfants. Vous subirez des pertes, en amour ou en argent. Le succès vous échappera. Vous ne réussirez que si vous souhaitez perdre quelque chose.</translation>
    </message>
    <message>
        <source>Laetitia - Joy</source>
        <translation>Laetitia - La Joie</translation>
    </message>
    <message>
        <source>Happiness</source>
        <translation>Bonheur</translation>
    </message>
    <message>
        <source>Andevo (Slaves)</source>
        <translation>Andevo (esclaves)</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>This is the sign of a king. This is good for auspicious occasions like marriage. This indicates presence of women.</source>
        <translation>C’est le signe d’un roi. Il est bon pour les occasions heureuses comme le mariage. Il indique la présence de femmes.</translation>
    </message>
    <message>
        <source>This is the sign of a king. This is good for auspicious occasions like marriage. This indicates presence of women. There will be success and happiness in whatever task is taken up. You will have peace of mind, harmony, good luck and prosperity.</source>
        <translation>C’est le signe d’un roi. Il est bon pour les occasions heureuses comme le mariage. Il indique la présence de femmes. Toute tâche entreprise apportera succès et bonheur. Vous aurez la paix de l’esprit, l’harmonie, la chance et la prospérité.</translation>
    </message>
    <message>
        <source>Tristitia - Sadness</source>
        <translation>Tristitia - La Tristesse</translation>
    </message>
    <message>
        <source>Lonliness</source>
        <translation>Solitude</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Ankles</source>
        <translation>Chevilles</translation>
    </message>
    <message>
        <source>There may be a few tears because of your stubborn attitude. Health will improve.</source>
        <translation>Il pourrait y avoir quelques larmes à cause de votre entêtement. La santé s’améliorera.</translation>
    </message>
    <message>
        <source>There may be a few tears because of your stubborn attitude. Health will improve. You may face some loss and humiliation. There may be some unexpected misfortune.</source>
        <translation>Il pourrait y avoir quelques larmes à cause de votre entêtement. La santé s’améliorera. Vous pourriez subir des pertes et des humiliations. Un malheur inattendu pourrait survenir.</translation>
    </message>
    <message>
        <source>Albus - White</source>
        <translation>Albus - Le Blanc</translation>
    </message>
    <message>
        <source>Peace</source>
        <translation>Paix</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Lungs</source>
        <translation>Poumons</translation>
    </message>
    <message>
        <source>You may hear some bad news. You may suffer from heartbreak. </source>
        <translation>Vous apprendrez peut-être une mauvaise nouvelle. Vous pourriez avoir le cœur brisé.</translation>
    </message>
    <message>
        <source>This is a good time for starting something new. You will need to have a lot of patience. You may be spiritually inclined.</source>
        <translation>C’est un bon moment pour commencer quelque chose de nouveau. Il vous faudra beaucoup de patience. Vous serez peut-être porté vers la spiritualité.</translation>
    </message>
    <message>
        <source>Rubeus - Red</source>
        <translation>Rubeus - Le Rouge</translation>
    </message>
    <message>
        <source>Passion</source>
        <translation>Passion</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Mobile </source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Reproductivity System</source>
        <translation>Appareil reproducteur</translation>
    </message>
    <message>
        <source>This is a good sign and will bring lots of joy, material wealth in the form of clothes and jewelery.</source>
        <translation>C’est un bon signe, qui apportera beaucoup de joie et des richesses matérielles sous forme de vêtements et de bijoux.</translation>
    </message>
    <message>
        <source>There may be a lot of passion and violence involved. Hear what your inner voice has to tell you. Find the good in the bad.</source>
        <translation>Il pourrait y avoir beaucoup de passion et de violence. Écoutez ce que votre voix intérieure a à vous dire. Trouvez le bien dans le mal.</translation>
    </message>
    <message>
        <source>Puella - Girl</source>
        <translation>Puella - La Jeune Fille</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Kidneys</source>
        <translation>Reins</translation>
    </message>
    <message>
        <source>This will bring good fortune in riches, love, land and happiness.</source>
        <translation>Elle apportera la fortune en richesses, en amour, en terres et en bonheur.</translation>
    </message>
    <message>
        <source>This will bring good fortune in riches, love, land and happiness. This is a pure and harmonious sign. Good for relationships and healing but bad for decision making.</source>
        <translation>Elle apportera la fortune en richesses, en amour, en terres et en bonheur. C’est un signe pur et harmonieux, bon pour les relations et la guérison, mais mauvais pour prendre des décisions.</translation>
    </message>
    <message>
        <source>Puer - Boy</source>
        <translation>Puer - Le Garçon</translation>
    </message>
    <message>
        <source>Worries</source>
        <translation>Soucis</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Tête</translation>
    </message>
    <message>
        <source>This is a sign of misfortune and robberies.</source>
        <translation>C’est un signe de malheur et de vols.</translation>
    </message>
    <message>
        <source>This is a sign of misfortune and robberies. You will have a lot of impulsive energy. You may be brash in your conduct. You need to control and channelize your energy.</source>
        <translation>C’est un signe de malheur et de vols. Vous aurez beaucoup d’énergie impulsive. Vous pourriez vous conduire avec impétuosité. Vous devez maîtriser et canaliser votre énergie.</translation>
    </message>
    <message>
        <source>Caput Draconis - Dragon&apos;s Head</source>
        <translation>Caput Draconis - La Tête du Dragon</translation>
    </message>
    <message>
        <source>Beginning</source>
        <translation>Commencement</translation>
    </message>
    <message>
        <source>North Node of Moon</source>
        <translation>Nœud nord de la Lune</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Right Arm</source>
        <translation>Bras droit</translation>
    </message>
    <message>
        <source>You may be faced by evil thoughts. There may be arguments, fights and trials.</source>
        <translation>Vous pourriez être assailli de mauvaises pensées. Il pourrait y avoir des disputes, des bagarres et des procès.</translation>
    </message>
    <message>
        <source>This is the time for new beginnings and initiatives. You may be faced by good and evil thoughts. There may be arguments, fights and trials.</source>
        <translation>C’est le temps des nouveaux départs et des initiatives. Vous pourriez être assailli de bonnes et de mauvaises pensées. Il pourrait y avoir des disputes, des bagarres et des procès.</translation>
    </message>
    <message>
        <source>Cauda Draconis - Dragon&apos;s Tail</source>
        <translation>Cauda Draconis - La Queue du Dragon</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>South Node of Moon</source>
        <translation>Nœud sud de la Lune</translation>
    </message>
    <message>
        <source>Left Arm</source>
        <translation>Bras gauche</translation>
    </message>
    <message>
        <source>You will get to hear some cold words.</source>
        <translation>Vous entendrez des paroles froides.</translation>
    </message>
    <message>
        <source>You will get to hear some cold words. This is the end of the road. A good time to finish all bad things and start afresh.</source>
        <translation>Vous entendrez des paroles froides. C’est la fin du chemin. Un bon moment pour en finir avec tout ce qui est mauvais et repartir à zéro.</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Prosperity, Object in Question</source>
        <translation>Prospérité, objet de la consultation</translation>
    </message>
    <message>
        <source>Brother of Querent</source>
        <translation>Frère du consultant</translation>
    </message>
    <message>
        <source>Land/ Place of Dwelling</source>
        <translation>Terre, lieu d’habitation</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Servants</source>
        <translation>Serviteurs</translation>
    </message>
    <message>
        <source>Spouse</source>
        <translation>Conjoint</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>Ennemis</translation>
    </message>
    <message>
        <source>Spirits</source>
        <translation>Esprits</translation>
    </message>
    <message>
        <source>Benefactor</source>
        <translation>Bienfaiteur</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Nourriture</translation>
    </message>
    <message>
        <source>The Creator</source>
        <translation>Le Créateur</translation>
    </message>
    <message>
        <source>The Old Chiefs</source>
        <translation>Les anciens chefs</translation>
    </message>
    <message>
        <source>Voyages</source>
        <translation>Voyages</translation>
    </message>
    <message>
        <source>The house and its members</source>
        <translation>La maison et ses membres</translation>
    </message>
    <message>
        <source>Characteristics Of %1</source>
        <extracomment>Heading of a house&apos;s section; %1 is the house&apos;s label, such as &quot;House 1(Tale)&quot;.</extracomment>
        <translation>Caractéristiques de la %1</translation>
    </message>
    <message>
        <source>Geomantic Figure Name :- </source>
        <translation>Figure géomantique&#xa0;: </translation>
    </message>
    <message>
        <source>Keywords :- </source>
        <translation>Mots clés&#xa0;: </translation>
    </message>
    <message>
        <source>European Name :- </source>
        <translation>Nom européen&#xa0;: </translation>
    </message>
    <message>
        <source>Category :- </source>
        <translation>Catégorie&#xa0;: </translation>
    </message>
    <message>
        <source>Direction :- </source>
        <translation>Direction&#xa0;: </translation>
    </message>
    <message>
        <source>Significance :- </source>
        <translation>Signification&#xa0;: </translation>
    </message>
    <message>
        <source>Sikidy Figure Name :- </source>
        <translation>Figure du sikidy&#xa0;: </translation>
    </message>
    <message>
        <source>Keyword :- </source>
        <translation>Mot clé&#xa0;: </translation>
    </message>
    <message>
        <source>Associated Day :- </source>
        <translation>Jour associé&#xa0;: </translation>
    </message>
    <message>
        <source>Associated Element :- </source>
        <translation>Élément associé&#xa0;: </translation>
    </message>
    <message>
        <source>Associated Quality :- </source>
        <translation>Qualité associée&#xa0;: </translation>
    </message>
    <message>
        <source>Associated Planet :- </source>
        <translation>Planète associée&#xa0;: </translation>
    </message>
    <message>
        <source>Associated Sign :- </source>
        <translation>Signe associé&#xa0;: </translation>
    </message>
    <message>
        <source>Associated Body Part :- </source>
        <translation>Partie du corps associée&#xa0;: </translation>
    </message>
    <message>
        <source>Significance Of Geomancy :- </source>
        <translation>Signification géomantique&#xa0;: </translation>
    </message>
</context>
</TS>
