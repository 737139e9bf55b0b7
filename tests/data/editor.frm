VERSION 5.00
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Object = "{5E8A1C42-6B3D-4A97-B0F4-2D9C71E3A856}#1.2#0"; "NOVARICH.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmEditor 
   Caption         =   "Notes - Editor"
   ClientHeight    =   4800
   ClientLeft      =   165
   ClientTop       =   450
   ClientWidth     =   7200
   Icon            =   "editor.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   4800
   ScaleWidth      =   7200
   StartUpPosition =   3  'Windows Default
   Begin NovaCtl.Toolbar tbEdit 
      Align           =   1  'Align Top
      Height          =   420
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   7200
      _ExtentX        =   12700
      _ExtentY        =   741
      ButtonWidth     =   609
      ButtonHeight    =   582
      Appearance      =   1
      Style           =   1
      ImageList       =   "imlEdit"
      _Version        =   393216
      BeginProperty Buttons {66833FE8-8583-11D1-B16A-00C0F0283628} 
         NumButtons      =   7
         BeginProperty Button1 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "new"
            Object.ToolTipText     =   "New note"
            ImageIndex      =   1
            Image           =   1
         EndProperty
         BeginProperty Button2 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "open"
            Object.ToolTipText     =   "Open a note"
            Image           =   "open"
         EndProperty
         BeginProperty Button3 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "save"
            Object.ToolTipText     =   "Save the note"
            Image           =   3
         EndProperty
         BeginProperty Button4 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Style           =   3
         EndProperty
         BeginProperty Button5 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "bold"
            Object.ToolTipText     =   "Bold"
            Style           =   1
            Value           =   1
            Image           =   4
         EndProperty
         BeginProperty Button6 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Style           =   3
         EndProperty
         BeginProperty Button7 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "print"
            Object.ToolTipText     =   "Print"
            Style           =   5
            Image           =   5
         EndProperty
      EndProperty
   End
   Begin NovaRich.RichTextBox txtBody 
      Height          =   4005
      Left            =   0
      TabIndex        =   1
      Top             =   420
      Width           =   7200
      _ExtentX        =   12700
      _ExtentY        =   7064
      _Version        =   393217
      ScrollBars      =   3
      TextRTF         =   $"editor.frx":259E
   End
   Begin NovaCtl.StatusBar sbEdit 
      Align           =   2  'Align Bottom
      Height          =   375
      Left            =   0
      TabIndex        =   2
      Top             =   4425
      Width           =   7200
      _ExtentX        =   12700
      _ExtentY        =   661
      _Version        =   393216
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   4
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   1
            Object.Width           =   6350
            MinWidth        =   2540
            Text            =   "Ready"
            TextSave        =   "Ready"
            Key             =   "state"
         EndProperty
         BeginProperty Panel2 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   2
            Object.Width           =   2117
            MinWidth        =   1764
            Text            =   "Ln 1, Col 29"
            TextSave        =   "Ln 1, Col 29"
            Key             =   "place"
         EndProperty
         BeginProperty Panel3 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            Style           =   2
            Alignment       =   1
            Object.Width           =   1411
            MinWidth        =   1411
            TextSave        =   "NUM"
         EndProperty
         BeginProperty Panel4 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            Style           =   5
            Alignment       =   1
            AutoSize        =   2
            Object.Width           =   1587
            MinWidth        =   1587
            TextSave        =   "10:42"
         EndProperty
      EndProperty
   End
   Begin NovaCtl.ImageList imlEdit 
      Left            =   6480
      Top             =   3600
      _ExtentX        =   1005
      _ExtentY        =   1005
      BackColor       =   -2147483643
      ImageWidth      =   16
      ImageHeight     =   16
      MaskColor       =   12632256
      _Version        =   393216
      BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
         NumListImages   =   5
         BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "editor.frx":1542
            Key             =   "new"
         EndProperty
         BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "editor.frx":1884
            Key             =   "open"
         EndProperty
         BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "editor.frx":1BC6
            Key             =   "save"
         EndProperty
         BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "editor.frx":1F08
            Key             =   "bold"
         EndProperty
         BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "editor.frx":224A
            Key             =   "print"
         EndProperty
      EndProperty
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   6000
      Top             =   3600
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "editor.frx":258C
      FormGUID        =   "{3C1B7E52-9D04-4F6A-8E21-5B7A0C93D4E8}"
      AlignBLeft      =   0
      AlignBTop       =   420
      AlignBBottom    =   375
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmEditor"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
