// Resource IDs shared by the resource library PLQRDVXSRES.DLL and the plug-in
// code. The numbers are fixed: pages, dialogs and stored settings refer to
// them. This header is read by the resource compiler too, so it holds plain
// numeric #defines only.
#pragma once

// ---------------------------------------------------------------------------
// Manifest naming common controls 6 (the property pages' activation context).
#define IDR_COMCTL6_MANIFEST 101

// ---------------------------------------------------------------------------
// Dialog templates of the property pages.
#define IDD_PRINT_SETTINGS_TAB 201       // document sheet, page 1
#define IDD_PAPER_TAB 202                // document sheet, page 2
#define IDD_ADVANCED_TAB 203             // document sheet, page 4
#define IDD_QUALITY_TAB 204              // document sheet, page 3
#define IDD_DEVICE_OPTIONS_TAB 205       // document sheet, page 5
#define IDD_USER_AUTH_POLICY_TAB 206     // printer page, not in a sheet list
#define IDD_INSTALLABLE_OPTIONS_TAB 223  // printer sheet, page 1
#define IDD_PRINTER_FONTS_TAB 232        // printer sheet, page 2

// Dialogs opened from the pages (their templates come with their dialogs).
#define IDD_USER_AUTHENTICATION 207
#define IDD_GRAPHICS_MODE 210
#define IDD_QUICK_SETTINGS 211
#define IDD_QUICK_SETTINGS_PANEL 212
#define IDD_QUICK_SETTINGS_SAVE_AS 213
#define IDD_QUICK_SETTINGS_LIST 214
#define IDD_LAYOUT_MODE 215
#define IDD_PRESET_MESSAGE 219  // the plug-in's message dialog
#define IDD_MORE_INPUT_OPTIONS 221
#define IDD_WATERMARKS 224
#define IDD_FONT_SUBSTITUTION_EDIT 228
#define IDD_FONTS 229
#define IDD_FONT_SUBSTITUTION 230
#define IDD_MARGINS 231
#define IDD_ABOUT 301

// ---------------------------------------------------------------------------
// Controls shared by the document pages 201 to 205: the page preview.
#define IDC_PREVIEW 2215          // owner-drawn miniature sheet
#define IDC_PREVIEW_LABEL 2046    // paper-size label; a click toggles the unit
#define IDC_PREVIEW_SUMMARY 2047  // summary lines under the preview

// Hint icons are created at run time with IDs counting up from here.
#define IDC_HINT_ICON_FIRST 30000

// Print settings page (201).
#define IDC_GROUP_DUPLEX 2016
#define IDC_COMBO_JOBTYPE 2020
#define IDC_BUTTON_JOBTYPE_DETAILS 2021
#define IDC_EDIT_COPIES 2022
#define IDC_SPIN_COPIES 2023
#define IDC_CHECK_COLLATE 2024
#define IDC_CHECK_ROTATIONSORT 2025
#define IDC_RADIO_PORTRAIT 2026
#define IDC_RADIO_LANDSCAPE 2027
#define IDC_CHECK_ROTATE180 2029
#define IDC_RADIO_DUPLEX_OFF 2030
#define IDC_RADIO_DUPLEX_LONGEDGE 2031
#define IDC_RADIO_DUPLEX_SHORTEDGE 2032
#define IDC_COMBO_NUP 2033  // owner-drawn, with unavailable items
#define IDC_CHECK_PAGEBORDERS 2034
#define IDC_COMBO_FIRSTPAGE 2035
#define IDC_LABEL_FIRSTPAGE 2036
#define IDC_PICTURE_COLLATE 2122
#define IDC_PICTURE_PORTRAIT 2123
#define IDC_PICTURE_LANDSCAPE 2124
#define IDC_PICTURE_DUPLEX_OFF 2125
#define IDC_PICTURE_DUPLEX_LONGEDGE 2126
#define IDC_PICTURE_DUPLEX_SHORTEDGE 2127
#define IDC_PICTURE_LAYOUT 2128
#define IDC_EDIT_BOOKLET_VALUE 2292
#define IDC_SPIN_BOOKLET_VALUE 2293
#define IDC_LABEL_BOOKLET_VALUE 2294
#define IDC_CHECK_BOOKLET_OPTION 2295

// Paper page (202). Combos 2077, 2080, 2088, 2089 and 2098 are owner-drawn
// lists with unavailable items.
#define IDC_COMBO_PAPERSIZE 2077
#define IDC_BUTTON_CUSTOMSIZES 2079
#define IDC_COMBO_PRINTON 2080
#define IDC_CHECK_SCALETOFIT 2081
#define IDC_CHECK_CENTER 2082
#define IDC_EDIT_ZOOM 2083
#define IDC_CHECK_CENTER_ZOOM 2084
#define IDC_SCROLL_ZOOM 2085
#define IDC_LABEL_ZOOM 2086     // anchor of the zoom hint
#define IDC_LABEL_PRINTON 2087  // anchor of the print-on hint
#define IDC_COMBO_MEDIATRAY 2088
#define IDC_COMBO_MEDIATYPE 2089
#define IDC_BUTTON_MOREINPUTOPTIONS 2094
#define IDC_COMBO_OUTPUTBIN 2098
#define IDC_LABEL_OUTPUTBIN 2099
#define IDC_LABEL_STAPLE 2100
#define IDC_CHECK_STAPLE 2101
#define IDC_PICTURE_STAPLE 2102
#define IDC_PICTURE_PAPER 2166

// More input options dialog (221), opened from the paper page.
#define IDC_PICTURE_COVERS 2230
#define IDC_PICTURE_INTERLEAVE 2231
#define IDC_PICTURE_MARGINS 2232
#define IDC_BUTTON_COVERS 2233
#define IDC_BUTTON_INTERLEAVE 2234
#define IDC_BUTTON_MARGINS 2235
#define IDC_BUTTON_MOREINPUT_CLOSE 2236
#define IDC_LABEL_COVERS 2240
#define IDC_LABEL_INTERLEAVE 2241
#define IDC_LABEL_MARGINS 2242

// Quality page (204).
#define IDC_LABEL_GRAYCORRECTION 2050  // disabled with its combo at start
#define IDC_COMBO_GRAYCORRECTION 2051
#define IDC_EDIT_BRIGHTNESS 2054
#define IDC_EDIT_CONTRAST 2055
#define IDC_PICTURE_BRIGHTNESS_LOW 2056
#define IDC_PICTURE_BRIGHTNESS_HIGH 2057
#define IDC_SLIDER_BRIGHTNESS 2058
#define IDC_SLIDER_CONTRAST 2059
#define IDC_PICTURE_CONTRAST_LOW 2060
#define IDC_PICTURE_CONTRAST_HIGH 2061
#define IDC_CHECK_TONERDARKNESS 2062
#define IDC_CHECK_TONERSAVE 2063
#define IDC_EDIT_TONERDARKNESS 2064
#define IDC_SLIDER_TONERDARKNESS 2065
#define IDC_PICTURE_TONER_LIGHT 2066
#define IDC_PICTURE_TONER_DARK 2067
#define IDC_SAMPLE_PICTURE 2068  // owner-drawn brightness/contrast sample
#define IDC_COMBO_RESOLUTION 2069
#define IDC_CHECK_PRINTTEXTASBLACK 2071
#define IDC_COMBO_HALFTONE 2072
#define IDC_LABEL_HALFTONE 2073
#define IDC_BUTTON_GRAPHICSMODE 2162  // hidden by the page
// Graphics mode dialog (210).
#define IDC_LABEL_GRAPHICSMODE 2163
#define IDC_RADIO_GRAPHICSMODE_VECTOR 2164  // "GraphicsMode" option 0
#define IDC_RADIO_GRAPHICSMODE_RASTER 2165  // "GraphicsMode" option 1

// Advanced page (203).
#define IDC_BUTTON_LAYOUTMODE 2107
#define IDC_BUTTON_WATERMARKS 2108
#define IDC_BUTTON_OVERLAYS 2109
#define IDC_BUTTON_FONTS 2110
#define IDC_BUTTON_QUICKSETTINGS 2111
#define IDC_PICTURE_LAYOUTMODE 2117
#define IDC_PICTURE_WATERMARKS 2118
#define IDC_PICTURE_OVERLAYS 2119
#define IDC_PICTURE_FONTS 2120
#define IDC_PICTURE_QUICKSETTINGS 2121
#define IDC_BUTTON_USERAUTH 2138
#define IDC_LABEL_USERAUTH 2139
#define IDC_PICTURE_USERAUTH 2140

// Device options page (205), installable options page (223) and user
// authentication policy page (206).
#define IDC_BUTTON_INSTALL 2131
#define IDC_LIST_OPTIONS 2132  // list view: name and state columns
#define IDC_BUTTON_UNINSTALL 2133
#define IDC_BUTTON_ABOUT 2134     // page 205
#define IDC_WEBLINK 2136          // page 205
#define IDC_PICTURE_PRINTER 2137  // pages 205 and 223
#define IDC_CHECK_USERAUTH 2141   // page 206
#define IDC_RADIO_AUTH_USERCODE 2142
#define IDC_RADIO_AUTH_USERID 2143
#define IDC_BUTTON_ABOUT_AUTH 2144     // page 206
#define IDC_WEBLINK_PRINTER 2167       // pages 206, 223 and 232
#define IDC_BUTTON_ABOUT_OPTIONS 2291  // page 223

// Printer fonts page (232).
#define IDC_LIST_FONTSUBST 2308
#define IDC_BUTTON_FONTSUBST_ADD 2309
#define IDC_BUTTON_FONTSUBST_EDIT 2310
#define IDC_BUTTON_FONTSUBST_REMOVE 2311
#define IDC_BUTTON_FONTSUBST_DEFAULT 2312
#define IDC_BUTTON_ABOUT_FONTS 2352

// ---------------------------------------------------------------------------
// Strings.
#define IDS_OK 1
#define IDS_CANCEL 2
#define IDS_OPTION_INSTALLED 4
#define IDS_OPTION_NOT_INSTALLED 5

// Page titles.
#define IDS_TITLE_PRINT_SETTINGS 601
#define IDS_TITLE_PAPER 602
#define IDS_TITLE_ADVANCED 603
#define IDS_TITLE_QUALITY 604
#define IDS_TITLE_DEVICE_OPTIONS 605  // pages 205 and 223
#define IDS_TITLE_PRINTER_FONTS 659

// Print settings page: label of the first-page combo and its two-page orders.
#define IDS_LABEL_TWO_PAGE_ORDER 611
#define IDS_LABEL_PAGE_ORDER 612
#define IDS_TWO_PAGE_LEFT_TO_RIGHT 616
#define IDS_TWO_PAGE_RIGHT_TO_LEFT 617
#define IDS_TWO_PAGE_TOP_TO_BOTTOM 618
#define IDS_TWO_PAGE_BOTTOM_TO_TOP 619
#define IDS_JOBTYPE_DETAILS_CAPTION 834

// Graphics mode dialog (210) in the languages that replace its template's
// texts (its caption is then IDS_TITLE_ADVANCED).
#define IDS_GRAPHICSMODE_LABEL 835
#define IDS_GRAPHICSMODE_VECTOR 836
#define IDS_GRAPHICSMODE_RASTER 837

// Paper page: first item of the print-on list.
#define IDS_PRINTON_SAME_AS_SIZE 842
// Labels of the more input options dialog (221).
#define IDS_MORE_INPUT_COVERS 650
#define IDS_MORE_INPUT_INTERLEAVE 651
#define IDS_MORE_INPUT_MARGINS 652

// Texts of the hint icons.
#define IDS_HINT_DUPLEX_LOCKED 660
#define IDS_HINT_ZOOM_LOCKED 661
#define IDS_HINT_LAYOUTMODE_LOCKED 662
#define IDS_HINT_PRINTON_LOCKED 674
#define IDS_HINT_WATERMARKS_LOCKED 675
#define IDS_HINT_NUP_LOCKED 676
#define IDS_HINT_OVERLAYS_LOCKED 852

// Texts of the two watermarks a new library starts with.
#define IDS_WATERMARK_DEFAULT_1 846
#define IDS_WATERMARK_DEFAULT_2 847

// Name of the help language folder under "\3\Help\".
#define IDS_HELP_LANGUAGE 680

// Lines of the summary under the page preview.
#define IDS_SUMMARY_BOOKLET 653
#define IDS_SUMMARY_COPIES 654
#define IDS_SUMMARY_COLLATED 655
#define IDS_SUMMARY_SCALED 656
#define IDS_SUMMARY_STAPLED 679
#define IDS_SUMMARY_FRONT_COVER_BLANK 681
#define IDS_SUMMARY_FRONT_COVER_PRINTED 682
#define IDS_SUMMARY_BACK_COVER_BLANK 683
#define IDS_SUMMARY_BACK_COVER_PRINTED 684
#define IDS_SUMMARY_INTERLEAVE_BLANK 685
#define IDS_SUMMARY_INTERLEAVE_PRINTED 686

// ---------------------------------------------------------------------------
// Bitmaps named by the pages (pictures are added with their sources later).
#define IDB_WEBLINK 300  // web link and About logo
#define IDB_ORIENT_LANDSCAPE 302
#define IDB_TONER_DARK 303
#define IDB_TONER_LIGHT 304
#define IDB_ORIENT_PORTRAIT 305
#define IDB_COLLATE_ONE_COPY 306
#define IDB_COLLATE_OFF 307
#define IDB_COLLATE_ON 309
#define IDB_DUPLEX_OFF_PORTRAIT 310
#define IDB_DUPLEX_OFF_LANDSCAPE 311
#define IDB_DUPLEX_LONGEDGE_PORTRAIT 312
#define IDB_DUPLEX_SHORTEDGE_PORTRAIT 313
#define IDB_DUPLEX_LONGEDGE_LANDSCAPE 314
#define IDB_DUPLEX_SHORTEDGE_LANDSCAPE 315
#define IDB_CONTRAST_HIGH 316
#define IDB_BRIGHTNESS_LOW 317
#define IDB_CONTRAST_LOW 318
#define IDB_BRIGHTNESS_HIGH 319
#define IDB_LAYOUTMODE 320
#define IDB_WATERMARKS 321
#define IDB_OVERLAYS 322
#define IDB_FONTS 323
#define IDB_QUICKSETTINGS 324
#define IDB_STAPLE_PORTRAIT 325
#define IDB_NOSTAPLE_PORTRAIT 326
#define IDB_PAPER 327
// Page layout pictures: base + N-up index k (0 to 7); the "mark" variants
// (page borders, or reversed order for booklet) exist for k >= 1.
#define IDB_LAYOUT_PORTRAIT 328
#define IDB_LAYOUT_LANDSCAPE 336
#define IDB_LAYOUT_PORTRAIT_MARKED 343
#define IDB_LAYOUT_LANDSCAPE_MARKED 350
#define IDB_LAYOUTMODE_NORMAL 358  // layout mode dialog: 358 + mode - 1
#define IDB_ORIENT_LANDSCAPE_ROTATED 365
#define IDB_ORIENT_PORTRAIT_ROTATED 366
#define IDB_USERAUTH 367
#define IDB_COVERS 368
#define IDB_INTERLEAVE 369
#define IDB_MARGINS 370
#define IDB_FONT_SUBSTITUTION 371
#define IDB_QUALITY_SAMPLE 372  // greyscale sample with a colour table
#define IDB_NOSTAPLE_LANDSCAPE 373
#define IDB_STAPLE_LANDSCAPE 374
#define IDB_PRINTER_BASIC 378
#define IDB_PRINTER_TRAY2 379
#define IDB_PRINTER_TRAY3 380

// ---------------------------------------------------------------------------
// Quick-settings panel (template IDD_QUICK_SETTINGS_PANEL, on every document
// page) and the texts of the preset requests.
#define IDC_COMBO_QUICKSETTINGS 2037
#define IDC_BUTTON_QUICKSETTINGS_APPLY 2038
#define IDC_BUTTON_QUICKSETTINGS_SAVEAS 2039

#define IDS_QS_FACTORY_DEFAULTS 620  // built-in preset: the default settings
#define IDS_QS_MY_DEFAULTS 621       // built-in preset: the user's own defaults
#define IDS_UNIT_INCH 629            // unit labels (at most 5 characters)
#define IDS_UNIT_MM 630
#define IDS_QS_MESSAGE_TITLE 635
#define IDS_QS_FACTORY_APPLIED 636
#define IDS_QS_MY_DEFAULTS_APPLIED 637
#define IDS_QS_PRESET_APPLIED 638
#define IDS_QS_SAVE_CHANGED_QUESTION 639
#define IDS_QS_SAVE_CHANGED_TITLE 640
#define IDS_QS_MY_DEFAULTS_SAVED 641
#define IDS_QS_PRESET_SAVED 642
#define IDS_QS_NAME_IN_USE_TITLE 622
#define IDS_QS_NAME_IN_USE 623
#define IDS_QS_TITLE_PORTUGUESE 853  // the quick-settings dialog's title in a "pt"/"pt-br" library
#define IDS_QS_LIST_APPLY_TITLE 870
#define IDS_QS_LIST_DELETE_TITLE 871
#define IDS_QS_LIST_APPLY_BUTTON 872
#define IDS_QS_LIST_DELETE_BUTTON 873

// The quick-settings dialog (IDD_QUICK_SETTINGS): the built-in presets and
// the named ones.
#define IDC_BUTTON_QS_FACTORY 2176
#define IDC_BUTTON_QS_SAVE_MY_DEFAULTS 2177
#define IDC_BUTTON_QS_MY_DEFAULTS 2178
#define IDC_BUTTON_QS_SAVE_AS 2179
#define IDC_BUTTON_QS_APPLY_SAVED 2180
#define IDC_BUTTON_QS_DELETE_SAVED 2181
// The save-as dialog (IDD_QUICK_SETTINGS_SAVE_AS).
#define IDC_LABEL_QS_NAME 2182
#define IDC_EDIT_QS_NAME 2183
// The preset list dialog (IDD_QUICK_SETTINGS_LIST).
#define IDC_LABEL_QS_LIST 2184
#define IDC_LIST_QS_PRESETS 2185

// The message dialog (IDD_PRESET_MESSAGE): Yes and No for a question, OK
// alone for a notice.
#define IDC_BUTTON_MESSAGE_YES 1
#define IDC_BUTTON_MESSAGE_NO 2
#define IDC_BUTTON_MESSAGE_OK 3
#define IDC_MESSAGE_TEXT 2213
#define IDC_MESSAGE_ICON 2214
#define IDS_MESSAGE_YES 843
#define IDS_MESSAGE_NO 844
#define IDS_MESSAGE_OK 845

// ---------------------------------------------------------------------------
// Feature names: the automatic input-bin entry, the booklet entry of the
// pages-per-sheet list, and the names of the 40 sizes of the built-in paper
// table (string ID + 9999 is the size's paper item ID).
#define IDS_INPUTBIN_AUTO 609
#define IDS_NUP_BOOKLET 752
#define IDS_PAPER_A3 10001
#define IDS_PAPER_B4_JIS 10002
#define IDS_PAPER_A4 10003
#define IDS_PAPER_B5_JIS 10004
#define IDS_PAPER_A5 10005
#define IDS_PAPER_B6_JIS 10006
#define IDS_PAPER_A6 10007
#define IDS_PAPER_TABLOID 10008
#define IDS_PAPER_LEGAL 10009
#define IDS_PAPER_LETTER 10010
#define IDS_PAPER_STATEMENT 10011
#define IDS_PAPER_EXECUTIVE 10012
#define IDS_PAPER_8X13 10013
#define IDS_PAPER_8_25X13 10014
#define IDS_PAPER_FOLIO 10015
#define IDS_PAPER_8_5X13_5 10016
#define IDS_PAPER_8_65X13 10017
#define IDS_PAPER_8_125X13_25 10018
#define IDS_PAPER_8K 10019
#define IDS_PAPER_16K 10020
#define IDS_PAPER_ENV_10 10021
#define IDS_PAPER_ENV_MONARCH 10022
#define IDS_PAPER_ENV_C4 10023
#define IDS_PAPER_ENV_C5 10024
#define IDS_PAPER_ENV_C6 10025
#define IDS_PAPER_ENV_DL 10026
#define IDS_PAPER_4X6 10027
#define IDS_PAPER_3_875X5_82 10028
#define IDS_PAPER_4_125X9_25 10029
#define IDS_PAPER_ENV_CHOU3 10030
#define IDS_PAPER_ENV_CHOU4 10031
#define IDS_PAPER_10_62X15_04 10032
#define IDS_PAPER_9_44X13_07 10033
#define IDS_PAPER_8_5X10_9 10034
#define IDS_PAPER_8X10 10035
#define IDS_PAPER_8_25X14 10036
#define IDS_PAPER_8X10_5 10037
#define IDS_PAPER_JAPANESE_POSTCARD 10038
#define IDS_PAPER_DBL_JAPANESE_POSTCARD_ROTATED 10039
#define IDS_PAPER_ENV_9 10040

// ---------------------------------------------------------------------------
// Page layout pictures by name (IDB_LAYOUT_* above + N-up index; 343 and 350
// are both the last of one series and the base of the next).
#define IDB_LAYOUT_PORTRAIT_BOOKLET 329
#define IDB_LAYOUT_PORTRAIT_2 330
#define IDB_LAYOUT_PORTRAIT_4 331
#define IDB_LAYOUT_PORTRAIT_6 332
#define IDB_LAYOUT_PORTRAIT_8 333
#define IDB_LAYOUT_PORTRAIT_9 334
#define IDB_LAYOUT_PORTRAIT_16 335
#define IDB_LAYOUT_LANDSCAPE_BOOKLET 337
#define IDB_LAYOUT_LANDSCAPE_2 338
#define IDB_LAYOUT_LANDSCAPE_4 339
#define IDB_LAYOUT_LANDSCAPE_6 340
#define IDB_LAYOUT_LANDSCAPE_8 341
#define IDB_LAYOUT_LANDSCAPE_9 342
#define IDB_LAYOUT_LANDSCAPE_16 343
#define IDB_LAYOUT_PORTRAIT_BOOKLET_REVERSE 344
#define IDB_LAYOUT_PORTRAIT_2_BORDERS 345
#define IDB_LAYOUT_PORTRAIT_4_BORDERS 346
#define IDB_LAYOUT_PORTRAIT_6_BORDERS 347
#define IDB_LAYOUT_PORTRAIT_8_BORDERS 348
#define IDB_LAYOUT_PORTRAIT_9_BORDERS 349
#define IDB_LAYOUT_PORTRAIT_16_BORDERS 350
#define IDB_LAYOUT_LANDSCAPE_BOOKLET_REVERSE 351
#define IDB_LAYOUT_LANDSCAPE_2_BORDERS 352
#define IDB_LAYOUT_LANDSCAPE_4_BORDERS 353
#define IDB_LAYOUT_LANDSCAPE_6_BORDERS 354
#define IDB_LAYOUT_LANDSCAPE_8_BORDERS 355
#define IDB_LAYOUT_LANDSCAPE_9_BORDERS 356
#define IDB_LAYOUT_LANDSCAPE_16_BORDERS 357

// Pictures on the watermark previews' miniature page: a photograph at the
// bottom right and a letterhead at the top left.
#define IDB_WATERMARK_PAGE_PICTURE 363
#define IDB_WATERMARK_PAGE_HEADING 364
