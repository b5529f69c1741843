<?xml version="1.0" encoding="utf-8"?>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->

<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MyCurtainBarClass</name>
    <message>
        <source>MyCurtainBar</source>
        <translation>Tendina</translation>
    </message>
</context>
</TS>
