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
        <source>Enter the camera's IPv4 address, for example 192.168.1.20.</source>
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
<context>
    <name>PhotoTool</name>
    <message>
        <source>Draw the crop rectangle over the picture first, then take the photo.</source>
        <translation>Σχεδιάστε πρώτα το πλαίσιο περικοπής πάνω στην εικόνα και μετά τραβήξτε τη φωτογραφία.</translation>
    </message>
    <message>
        <source>No sheet of paper was found yet, so the whole picture was saved.</source>
        <translation>Δεν βρέθηκε ακόμη φύλλο χαρτιού, γι' αυτό αποθηκεύτηκε ολόκληρη η εικόνα.</translation>
    </message>
    <message>
        <source>The photo was not saved: %1</source>
        <translation>Η φωτογραφία δεν αποθηκεύτηκε: %1</translation>
    </message>
</context>
<context>
    <name>MicrophoneSwitch</name>
    <message>
        <source>The next screen recordings record sound from the microphone.</source>
        <translation>Οι επόμενες εγγραφές οθόνης θα καταγράφουν ήχο από το μικρόφωνο.</translation>
    </message>
    <message>
        <source>The next screen recordings are silent.</source>
        <translation>Οι επόμενες εγγραφές οθόνης θα είναι χωρίς ήχο.</translation>
    </message>
</context>
<context>
    <name>VideoRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Η εγγραφή είναι δυνατή μόνο από τη ζωντανή εικόνα.</translation>
    </message>
    <message>
        <source>The video recording could not start: %1 cannot be created.</source>
        <translation>Δεν ήταν δυνατή η έναρξη της εγγραφής βίντεο: δεν είναι δυνατή η δημιουργία του %1.</translation>
    </message>
    <message>
        <source>No picture from the camera yet: the recording begins with its first frame.</source>
        <translation>Δεν υπάρχει ακόμη εικόνα από την κάμερα: η εγγραφή θα ξεκινήσει με το πρώτο καρέ.</translation>
    </message>
    <message>
        <source>Nothing was recorded: no frame came from the camera.</source>
        <translation>Δεν εγγράφηκε τίποτα: δεν ήρθε κανένα καρέ από την κάμερα.</translation>
    </message>
    <message>
        <source>%1 frames are missing: the computer could not keep up with the camera.</source>
        <translation>Λείπουν %1 καρέ: ο υπολογιστής δεν μπόρεσε να ακολουθήσει την κάμερα.</translation>
    </message>
    <message>
        <source>The video recording %1 is incomplete: writing failed (is the disk full?). The file holds what was written before.</source>
        <translation>Η εγγραφή βίντεο %1 είναι ελλιπής: η εγγραφή στον δίσκο απέτυχε (είναι γεμάτος ο δίσκος;). Το αρχείο περιέχει ό,τι γράφτηκε μέχρι τότε.</translation>
    </message>
    <message>
        <source>The video recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Δεν ήταν δυνατή η ολοκλήρωση της εγγραφής βίντεο %1: η εγγραφή στον δίσκο απέτυχε (είναι γεμάτος ο δίσκος;). Ίσως να μην αναπαράγεται.</translation>
    </message>
</context>
<context>
    <name>ScreenRecordingTool</name>
    <message>
        <source>Recording works on the live picture only.</source>
        <translation>Η εγγραφή είναι δυνατή μόνο από τη ζωντανή εικόνα.</translation>
    </message>
    <message>
        <source>The screen recording could not start: the file name %1 is longer than %2 bytes. Choose a save folder with a shorter name.</source>
        <translation>Δεν ήταν δυνατή η έναρξη της εγγραφής οθόνης: το όνομα αρχείου %1 ξεπερνά τα %2 byte. Επιλέξτε φάκελο αποθήκευσης με συντομότερο όνομα.</translation>
    </message>
    <message>
        <source>The screen cannot be recorded here: there is no X display to record (a Wayland session cannot be recorded).</source>
        <translation>Η οθόνη δεν μπορεί να εγγραφεί εδώ: δεν υπάρχει οθόνη X για εγγραφή (μια συνεδρία Wayland δεν μπορεί να εγγραφεί).</translation>
    </message>
    <message>
        <source>The screen recording could not start: %1 cannot be created.</source>
        <translation>Δεν ήταν δυνατή η έναρξη της εγγραφής οθόνης: δεν είναι δυνατή η δημιουργία του %1.</translation>
    </message>
    <message>
        <source>The screen recording could not start (grabix error %1).</source>
        <translation>Δεν ήταν δυνατή η έναρξη της εγγραφής οθόνης (σφάλμα grabix %1).</translation>
    </message>
    <message>
        <source>The screen recording %1 ended early: the screen went away. The file holds what was recorded until then.</source>
        <translation>Η εγγραφή οθόνης %1 τελείωσε πρόωρα: η οθόνη δεν είναι πλέον διαθέσιμη. Το αρχείο περιέχει ό,τι εγγράφηκε μέχρι τότε.</translation>
    </message>
    <message>
        <source>The screen recording %1 could not be finished: writing failed (is the disk full?). It may not play.</source>
        <translation>Δεν ήταν δυνατή η ολοκλήρωση της εγγραφής οθόνης %1: η εγγραφή στον δίσκο απέτυχε (είναι γεμάτος ο δίσκος;). Ίσως να μην αναπαράγεται.</translation>
    </message>
</context>
</TS>
