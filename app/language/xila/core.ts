<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>Corvane</name>
    <message>
        <source>Could not open the folder %1</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα του φακέλου %1</translation>
    </message>
    <message>
        <source>xiangji_wuxiangying</source>
        <translation>Η κάμερα στη διεύθυνση %1 δεν αποκρίνεται.
Η εικόνα θα επανέλθει μόλις η κάμερα αποκριθεί ξανά.</translation>
    </message>
    <message>
        <source>xiangji_huifu</source>
        <translation>Η κάμερα αποκρίνεται ξανά</translation>
    </message>
    <message>
        <source>xiangji_lianjie</source>
        <translation>Η κάμερα αποκρίνεται</translation>
    </message>
    <message>
        <source>side_shouqi</source>
        <translation>Απόκρυψη εργαλείων</translation>
    </message>
    <message>
        <source>side_xianshi</source>
        <translation>Εμφάνιση εργαλείων</translation>
    </message>
    <message>
        <source>luyin</source>
        <translation>Ηχογράφηση</translation>
    </message>
    <message>
        <source>software_settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>software_help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>software_min</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>software_close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>Get Resolution</source>
        <translation>Λήψη ανάλυσης</translation>
    </message>
    <message>
        <source>Get Resolution Fail, Please Obtain Again</source>
        <translation>Δεν ήταν δυνατή η λήψη των αναλύσεων από την κάμερα. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Set Resolution</source>
        <translation>Ορισμός ανάλυσης</translation>
    </message>
    <message>
        <source>Set Resolution Fail</source>
        <translation>Η κάμερα δεν δέχτηκε την ανάλυση.</translation>
    </message>
    <message>
        <source>biduichaungkou</source>
        <translation>Παράθυρο σύγκρισης</translation>
    </message>
    <message>
        <source>qingxuanzechaungkou</source>
        <translation>Επιλέξτε πρώτα ένα παράθυρο.</translation>
    </message>
    <message>
        <source>wenjian_bidui</source>
        <translation>Σύγκριση με αρχείο</translation>
    </message>
</context>
<context>
    <name>CorvaneClass</name>
    <message>
        <source>lumivo</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>软件图标</source>
        <translation>Εικονίδιο προγράμματος</translation>
    </message>
    <message>
        <source>Lumivo Wireless</source>
        <translation>Lumivo Wireless</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>麦</source>
        <translation>Μικρόφωνο</translation>
    </message>
</context>
<context>
    <name>MyWifiSelect</name>
    <message>
        <source>Enter the camera&apos;s IPv4 address, for example 192.168.1.20.</source>
        <translation>Εισαγάγετε τη διεύθυνση IPv4 της κάμερας, π.χ. 192.168.1.20.</translation>
    </message>
</context>
<context>
    <name>MyWifiSelectClass</name>
    <message>
        <source>MyWifiSelect</source>
        <translation>Σύνδεση με την κάμερα</translation>
    </message>
    <message>
        <source>WiFi Mode</source>
        <translation>Λειτουργία Wi-Fi</translation>
    </message>
    <message>
        <source>进入wifi模式</source>
        <translation>Σύνδεση</translation>
    </message>
    <message>
        <source>Route Mode</source>
        <translation>Λειτουργία ρούτερ</translation>
    </message>
    <message>
        <source>搜索IP</source>
        <translation>Αναζήτηση κάμερας</translation>
    </message>
    <message>
        <source>进入路由模式</source>
        <translation>Σύνδεση</translation>
    </message>
</context>
</TS>
