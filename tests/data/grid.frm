VERSION 5.00
Object = "{9B41C6E2-0D58-4A73-8F1C-5E27A3B90D46}#1.0#0"; "NOVAGRID.OCX"
Begin VB.Form frmStock 
   Caption         =   "Lagerbestand"
   ClientHeight    =   4200
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   7200
   LinkTopic       =   "Form1"
   ScaleHeight     =   4200
   ScaleWidth      =   7200
   StartUpPosition =   2  'Bildschirmmitte
   Begin NovaGrid.DataGrid grdStock 
      Height          =   3255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   6975
      _ExtentX        =   12303
      _ExtentY        =   5741
      _Version        =   393216
      AllowUpdate     =   0   'False
      HeadLines       =   1
      RowHeight       =   15
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColumnCount     =   2
      BeginProperty Column00 
         DataField       =   "Artikel"
         Caption         =   "Artikel"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1031
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column01 
         DataField       =   "Menge"
         Caption         =   "Menge"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   1
            Format          =   "0,00"
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1031
            SubFormatType   =   1
         EndProperty
      EndProperty
      SplitCount      =   1
      BeginProperty Split0 
         BeginProperty Column00 
            ColumnWidth     =   2505,26
         EndProperty
         BeginProperty Column01 
            Alignment       =   1
            ColumnWidth     =   555,024
         EndProperty
      EndProperty
   End
   Begin VB.CommandButton cmdClose 
      Caption         =   "Schlie&ssen"
      Height          =   375
      Left            =   5880
      TabIndex        =   2
      Top             =   3600
      Width           =   1215
   End
   Begin VB.CommandButton cmdRefresh 
      Caption         =   "&Aktualisieren"
      Height          =   375
      Left            =   4560
      TabIndex        =   1
      Top             =   3600
      Width           =   1215
   End
   Begin VB.Menu mnuData 
      Caption         =   "&Daten"
      Begin VB.Menu mnuDataRefresh 
         Caption         =   "&Aktualisieren"
         Shortcut        =   {F5}
      End
   End
   Begin VB.Menu mnuHelp 
      Caption         =   "&Hilfe"
   End
End
Attribute VB_Name = "frmStock"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
