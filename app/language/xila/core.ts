<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

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
<context>
    <name>MyToolBar</name>
    <message>
        <source>lianpai</source>
        <translation>Σελίδες χωρίς χέρια</translation>
    </message>
    <message>
        <source>sijiao</source>
        <translation>Ρύθμιση γωνιών</translation>
    </message>
</context>
<context>
    <name>MyToolBarClass</name>
    <message>
        <source>连拍</source>
        <translation>Σελίδες</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Γωνίες</translation>
    </message>
</context>
<context>
    <name>PageCaptureSession</name>
    <message>
        <source>Hands-free pages need the live picture: connect the camera and leave the freeze off.</source>
        <translation>Οι σελίδες χωρίς χέρια χρειάζονται τη ζωντανή εικόνα: συνδέστε την κάμερα και απενεργοποιήστε το πάγωμα.</translation>
    </message>
    <message>
        <source>No page was taken, so there is nothing to put into a PDF.</source>
        <translation>Δεν τραβήχτηκε καμία σελίδα, οπότε δεν υπάρχει τίποτα για PDF.</translation>
    </message>
    <message>
        <source>No sheet was found, so the whole picture was saved.</source>
        <translation>Δεν βρέθηκε φύλλο, οπότε αποθηκεύτηκε ολόκληρη η εικόνα.</translation>
    </message>
</context>
<context>
    <name>MyPageCaptureBar</name>
    <message>
        <source>Lay the first page under the camera and take your hands away.</source>
        <translation>Τοποθετήστε την πρώτη σελίδα κάτω από την κάμερα και απομακρύνετε τα χέρια.</translation>
    </message>
    <message>
        <source>Page moving…</source>
        <translation>Η σελίδα κινείται…</translation>
    </message>
    <message>
        <source>Hold still…</source>
        <translation>Μείνετε ακίνητοι…</translation>
    </message>
    <message>
        <source>Page taken. Turn to the next page.</source>
        <translation>Η σελίδα τραβήχτηκε. Γυρίστε στην επόμενη σελίδα.</translation>
    </message>
    <message>
        <source>Still the same page: turn to the next one.</source>
        <translation>Ακόμη η ίδια σελίδα: γυρίστε στην επόμενη.</translation>
    </message>
    <message>
        <source>The page was not saved; move it a little to try again.</source>
        <translation>Η σελίδα δεν αποθηκεύτηκε· μετακινήστε τη λίγο για να δοκιμάσετε ξανά.</translation>
    </message>
    <message>
        <source>Pages taken: %1</source>
        <translation>Σελίδες που τραβήχτηκαν: %1</translation>
    </message>
    <message>
        <source>Hands-free pages</source>
        <translation>Σελίδες χωρίς χέρια</translation>
    </message>
    <message>
        <source>Turn the pages; each still page is photographed.</source>
        <translation>Γυρίστε τις σελίδες· κάθε ακίνητη σελίδα φωτογραφίζεται.</translation>
    </message>
    <message>
        <source>Sensitivity (left: calm, right: keen)</source>
        <translation>Ευαισθησία (αριστερά: ήρεμη, δεξιά: οξεία)</translation>
    </message>
    <message>
        <source>Keen notices smaller changes and takes the photo sooner; calm ignores small movements and waits longer for the hands to go.</source>
        <translation>Η οξεία προσέχει μικρότερες αλλαγές και τραβά νωρίτερα· η ήρεμη αγνοεί μικρές κινήσεις και περιμένει περισσότερο να φύγουν τα χέρια.</translation>
    </message>
    <message>
        <source>Finish: make a PDF</source>
        <translation>Τέλος: δημιουργία PDF</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Διακοπή</translation>
    </message>
</context>
<context>
    <name>CornerAdjustView</name>
    <message>
        <source>Save cut-out</source>
        <translation>Αποθήκευση αποκοπής</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Drag the four corners onto the corners of the sheet. Enter saves the cut-out, Esc cancels.</source>
        <translation>Σύρετε τις τέσσερις γωνίες πάνω στις γωνίες του φύλλου. Το Enter αποθηκεύει την αποκοπή, το Esc ακυρώνει.</translation>
    </message>
</context>
<context>
    <name>CornerAdjustTool</name>
    <message>
        <source>There is no picture to cut a sheet out of yet.</source>
        <translation>Δεν υπάρχει ακόμη εικόνα από την οποία να αποκοπεί φύλλο.</translation>
    </message>
    <message>
        <source>These corners enclose nothing to cut out.</source>
        <translation>Αυτές οι γωνίες δεν περικλείουν τίποτα για αποκοπή.</translation>
    </message>
</context>
</TS>
